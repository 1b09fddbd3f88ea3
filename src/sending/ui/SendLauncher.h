#pragma once

#include "sending/SendPreparation.h"
#include "sending/SendingContext.h"

#include <functional>

class PortProbe;
class QWidget;

// The main window's Send: the checks and questions of the preparation on the UI thread, the
// device check as a background job with the wait pop-up, then the sending window, modal. After
// a refused check the caller puts the focus where preparation().focus() says.
class SendLauncher
{
public:
    SendLauncher(SendPreparation& preparation, PortProbe& probe,
                 std::function<SendingContext()> makeContext, StatusExportFactory exports = {})
        : m_preparation(preparation), m_probe(probe), m_makeContext(std::move(makeContext)),
          m_exports(std::move(exports))
    {}

    // False when Send stopped before the device check.
    bool send(QWidget* mainWindow, const SendInputs& inputs);

    SendPreparation& preparation() { return m_preparation; }

private:
    void deviceCheckDone(QWidget* mainWindow, const DeviceCheckOutcome& outcome);

    SendPreparation& m_preparation;
    PortProbe& m_probe;
    std::function<SendingContext()> m_makeContext;
    StatusExportFactory m_exports;
};
