#pragma once
// A private print scheduler with one PDF queue, so that a test prints through the system's print
// support exactly as a player does and reads the PDF back. The scheduler runs in the foreground
// with its own configuration, spool and socket in a temporary folder; the machine's own print
// service is neither used nor touched. It stops when this object goes, or when the test process
// dies. The PDF backend writes where its system configuration says (by default the printing
// user's ~/PDF); the files of this queue are found there by the job title and removed again.
#include <chrono>
#include <optional>

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "support/waits.h"

class PrivatePrintQueue {
public:
    PrivatePrintQueue();
    ~PrivatePrintQueue();
    PrivatePrintQueue(const PrivatePrintQueue&) = delete;
    PrivatePrintQueue& operator=(const PrivatePrintQueue&) = delete;

    // Why no private queue can run here (not root: the PDF backend runs only under a
    // scheduler started by root), or nothing.
    static std::optional<QString> unavailable();

    // Starts the scheduler, adds the queue and points this process's printer list at it
    // (CUPS_SERVER). Returns "" or what went wrong. The print support reads CUPS_SERVER once:
    // one queue serves the whole test process.
    QString start();
    QString queueName() const { return QStringLiteral("KestrovaPDF"); }
    // Every job of this process must carry this title (the print job's document name).
    QString jobTitle() const { return title_; }

    // Waits until no job is pending and `count` PDFs of this queue have come out since the last
    // call; returns them in job order, or fewer when the time ran out (see diagnosis()).
    QStringList waitForPdfs(int count, std::chrono::milliseconds timeout =
                                           std::chrono::milliseconds(kChildProcessWaitMs));
    int completedJobs();
    // The scheduler's log and job list, for a failure message.
    QString diagnosis();

private:
    QString run(const QString& program, const QStringList& args, int* exitCode = nullptr);
    QString outputFolder() const;
    QStringList pdfs() const;
    void stop();

    QTemporaryDir dir_;
    QProcess scheduler_;
    QString title_;
    QString socket_;
    QStringList taken_;
};
