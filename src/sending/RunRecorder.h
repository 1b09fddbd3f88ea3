#pragma once

#include "sending/QueueRow.h"

#include <QString>
#include <vector>

// What a sending run tells about its rows as it goes, for a journal that lets a crashed run be
// resumed. Every call comes from one of the run's threads; an implementation serialises them.
class RunRecorder
{
public:
    virtual ~RunRecorder() = default;
    // The queue is filled, before any submission.
    virtual void begun(const std::vector<QueueRow>& rows) = 0;
    // A submission of the row starts now on the port; on disk before this returns.
    virtual void submitting(int row, const QString& port) = 0;
    // The row's outcome, as its "Status" now holds it.
    virtual void outcome(int row, const QString& status, const QString& port) = 0;
    // The row's sent-items record is written.
    virtual void logged(int row) = 0;
    // The run reached its end and its rows are logged.
    virtual void finished() = 0;
};
