#include "support/printqueue.h"

#include <algorithm>

#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

namespace {

constexpr const char* kPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr const char* kBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kBackendConfig = "/etc/cups/cups-pdf.conf";

bool writeText(const QString& path, const QString& text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) == text.toUtf8().size() &&
           f.flush();
}

// The filters run as the scheduler's `lp` user: every folder they read must be open to it.
void openToAll(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                    QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                    QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                    QFileDevice::ExeOther);
}

}  // namespace

PrivatePrintQueue::PrivatePrintQueue() : dir_(QDir::tempPath() + QStringLiteral("/kq-XXXXXX")) {
    // Unique among the suites that may print on this machine at the same time.
    title_ = QStringLiteral("KestrovaQueueTest%1x%2")
                 .arg(QCoreApplication::applicationPid())
                 .arg(QRandomGenerator::global()->generate(), 8, 16, QChar(u'0'));
}

PrivatePrintQueue::~PrivatePrintQueue() {
    stop();
    for (const QString& pdf : pdfs()) {
        QFile::remove(pdf);
    }
}

std::optional<QString> PrivatePrintQueue::unavailable() {
    if (geteuid() != 0) {
        return QStringLiteral(
            "the PDF print backend runs only under a print scheduler started by root");
    }
    return std::nullopt;
}

QString PrivatePrintQueue::run(const QString& program, const QStringList& args, int* exitCode) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(kChildProcessWaitMs)) {
        p.kill();
        p.waitForFinished();
        if (exitCode) {
            *exitCode = -1;
        }
        return program + QStringLiteral(" did not finish: ") + p.errorString();
    }
    if (exitCode) {
        *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    return QString::fromLocal8Bit(p.readAll());
}

QString PrivatePrintQueue::start() {
    for (const char* needed : {kPpd, kBackend, kBackendConfig, "/usr/sbin/cupsd"}) {
        if (!QFileInfo::exists(QString::fromLatin1(needed))) {
            return QStringLiteral("missing %1: scripts/setup installs it").arg(needed);
        }
    }
    if (!dir_.isValid()) {
        return QStringLiteral("no temporary folder");
    }
    const QString root = dir_.path();
    openToAll(root);
    for (const char* sub : {"spool", "tmp", "cache", "state", "log"}) {
        QDir(root).mkdir(QString::fromLatin1(sub));
        openToAll(root + u'/' + QString::fromLatin1(sub));
    }
    QFile::setPermissions(root + QStringLiteral("/tmp"), QFileDevice::Permissions(0x7777));
    socket_ = root + QStringLiteral("/socket");

    const QString files = QStringLiteral(
                              "ServerRoot %1\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                              "CacheDir %1/cache\nStateDir %1/state\nServerBin /usr/lib/cups\n"
                              "DataDir /usr/share/cups\nAccessLog %1/log/access_log\n"
                              "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                              "Printcap %1/printcap\nUser lp\nGroup lp\nSystemGroup root\n"
                              "FileDevice No\n")
                              .arg(root);
    // Only the private socket: no network port, no sharing, no browsing.
    const QString server = QStringLiteral(
                               "Listen %1\nBrowsing No\nBrowseLocalProtocols none\n"
                               "WebInterface No\nDefaultAuthType None\nLogLevel info\n"
                               "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                               "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                               "  </Limit>\n</Policy>\n")
                               .arg(socket_);
    if (!writeText(root + QStringLiteral("/cups-files.conf"), files) ||
        !writeText(root + QStringLiteral("/cupsd.conf"), server)) {
        return QStringLiteral("cannot write the scheduler's configuration");
    }

    scheduler_.setProcessChannelMode(QProcess::MergedChannels);
    // The scheduler must not outlive a test that crashes.
    scheduler_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    scheduler_.start(
        QStringLiteral("/usr/sbin/cupsd"),
        {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/cupsd.conf"),
         QStringLiteral("-s"), root + QStringLiteral("/cups-files.conf")});
    if (!scheduler_.waitForStarted(kChildProcessWaitMs)) {
        return QStringLiteral("cupsd does not start: ") + scheduler_.errorString();
    }
    qputenv("CUPS_SERVER", socket_.toLocal8Bit());

    // Ready once it answers on its socket.
    const QDateTime deadline = QDateTime::currentDateTime().addMSecs(kChildProcessWaitMs);
    for (;;) {
        int code = 0;
        const QString out = run(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &code);
        if (code == 0 && out.contains(QStringLiteral("is running"))) {
            break;
        }
        if (scheduler_.state() == QProcess::NotRunning || QDateTime::currentDateTime() > deadline) {
            return QStringLiteral("cupsd does not answer: ") + diagnosis();
        }
        QThread::msleep(100);
    }
    int code = 0;
    const QString added =
        run(QStringLiteral("lpadmin"),
            {QStringLiteral("-p"), queueName(), QStringLiteral("-E"), QStringLiteral("-v"),
             QStringLiteral("cups-pdf:/"), QStringLiteral("-P"), QString::fromLatin1(kPpd),
             // This renderer keeps the text of the page readable in the PDF.
             QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")},
            &code);
    if (code != 0) {
        return QStringLiteral("lpadmin failed: ") + added;
    }
    return {};
}

void PrivatePrintQueue::stop() {
    if (scheduler_.state() != QProcess::NotRunning) {
        scheduler_.terminate();
        if (!scheduler_.waitForFinished(kChildProcessWaitMs)) {
            scheduler_.kill();
            scheduler_.waitForFinished(kChildProcessWaitMs);
        }
    }
    qunsetenv("CUPS_SERVER");
}

QString PrivatePrintQueue::outputFolder() const {
    // The backend's "Out" setting, with the printing user's home and name put in.
    QString out = QStringLiteral("${HOME}/PDF");
    QFile config(QString::fromLatin1(kBackendConfig));
    if (config.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromLocal8Bit(config.readAll()).split(u'\n')) {
            const QString t = line.trimmed();
            if (t.startsWith(QStringLiteral("Out ")) || t.startsWith(QStringLiteral("Out\t"))) {
                out = t.mid(4).trimmed();
            }
        }
    }
    if (const passwd* pw = getpwuid(geteuid())) {
        out.replace(QStringLiteral("${HOME}"), QString::fromLocal8Bit(pw->pw_dir));
        out.replace(QStringLiteral("${USER}"), QString::fromLocal8Bit(pw->pw_name));
    }
    return out;
}

QStringList PrivatePrintQueue::pdfs() const {
    QStringList found;
    const QDir folder(outputFolder());
    for (const QFileInfo& f : folder.entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
        if (f.fileName().contains(title_)) {
            found << f.absoluteFilePath();
        }
    }
    // The backend labels each file with its job number.
    const QRegularExpression job(QStringLiteral("job_(\\d+)"));
    std::sort(found.begin(), found.end(), [&](const QString& a, const QString& b) {
        return job.match(a).captured(1).toInt() < job.match(b).captured(1).toInt();
    });
    return found;
}

int PrivatePrintQueue::completedJobs() {
    const QString out =
        run(QStringLiteral("lpstat"),
            {QStringLiteral("-W"), QStringLiteral("completed"), QStringLiteral("-o"), queueName()});
    return static_cast<int>(out.split(u'\n', Qt::SkipEmptyParts).size());
}

QStringList PrivatePrintQueue::waitForPdfs(int count, std::chrono::milliseconds timeout) {
    const QDateTime deadline = QDateTime::currentDateTime().addMSecs(timeout.count());
    for (;;) {
        const QString pending =
            run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("not-completed"),
                                           QStringLiteral("-o"), queueName()});
        QStringList found;
        for (const QString& pdf : pdfs()) {
            if (!taken_.contains(pdf)) {
                found << pdf;
            }
        }
        if ((pending.trimmed().isEmpty() && found.size() >= count) ||
            QDateTime::currentDateTime() > deadline) {
            taken_ += found;
            return found;
        }
        QThread::msleep(200);
    }
}

QString PrivatePrintQueue::diagnosis() {
    QFile log(dir_.path() + QStringLiteral("/log/error_log"));
    const QString errors = log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll())
                                                         : QStringLiteral("(no log)");
    return QStringLiteral("scheduler output:\n") + QString::fromLocal8Bit(scheduler_.readAll()) +
           QStringLiteral("\njobs:\n") +
           run(QStringLiteral("lpstat"), {QStringLiteral("-W"), QStringLiteral("all"),
                                          QStringLiteral("-l"), QStringLiteral("-o")}) +
           QStringLiteral("\nerror log:\n") + errors.right(6000);
}
