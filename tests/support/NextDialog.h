#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Acts on the next modal dialog of type T as soon as it shows.
template <typename T> void onNextDialog(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(1);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        }
    });
    timer->start();
}
