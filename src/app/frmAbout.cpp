#include "app/frmAbout.h"

#include <QFile>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>
#include <QStandardPaths>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "platform/shell.h"

namespace {

// A red lottery ball with the program's initial.
QPixmap logo() {
    constexpr int kSize = 64;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shine(QPointF(kSize * 0.35, kSize * 0.3), kSize * 0.7);
    shine.setColorAt(0, QColor(255, 170, 170));
    shine.setColorAt(1, QColor(170, 0, 0));
    p.setBrush(shine);
    p.setPen(QPen(QColor(110, 0, 0), 1.5));
    p.drawEllipse(QRectF(2, 2, kSize - 4, kSize - 4));
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(kSize * 0.25, kSize * 0.25, kSize * 0.5, kSize * 0.5));
    QFont font = p.font();
    font.setBold(true);
    font.setPixelSize(kSize / 3);
    p.setFont(font);
    p.setPen(QColor(110, 0, 0));
    p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("K"));
    return pixmap;
}

}  // namespace

const QStringList& systemInfoPrograms() {
    // Names that belong to no one desktop; a desktop's own centre is left to its menus.
    static const QStringList names = {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo")};
    return names;
}

frmAbout::frmAbout(QWidget* parent) : platform::Form(kName, parent) {
    Image4 = new QLabel(this);
    Image4->setObjectName(QStringLiteral("Image4"));
    Image4->setPixmap(logo());
    lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblDescription = new QLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDisclaimer = new QLabel(
        QStringLiteral("Warning: this program is provided as it is. No liability is accepted for "
                       "any errors or omissions in the program or in its results. The program is "
                       "not connected with, or endorsed by, any lottery organisation."),
        this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    lblDisclaimer->setWordWrap(true);
    // A sunken line is drawn dark and light already: one frame makes the separator.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Image4, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblVersion, 0, 1);
    grid->addWidget(lblDescription, 1, 1);
    grid->addWidget(Line1, 2, 0, 1, 3);
    grid->addWidget(lblDisclaimer, 3, 0, 2, 2);
    grid->addWidget(cmdOK, 3, 2);
    grid->addWidget(cmdSysInfo, 4, 2, Qt::AlignTop);
    grid->setColumnStretch(1, 1);
    setMinimumWidth(420);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    // No opener: the main window stays enabled while the box is open.
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + platform::appTitle());
    const platform::Version v = platform::appVersion();
    lblVersion->setText(
        QStringLiteral("Version %1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision));
    lblDescription->setText(QStringLiteral("Copyright %1").arg(platform::today().year()));
}

void frmAbout::cmdOK_Click() {
    handBackAndUnload();
}

void frmAbout::closeBox() {
    cmdOK_Click();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    QString path;
    if (GetKeyValue(root, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                    QStringLiteral("PATH"), path)) {
        if (!platform::startProgram(path)) {
            unavailable();
        }
        return;
    }
    if (GetKeyValue(root, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                    QStringLiteral("MSINFO"), path)) {
        const QString program = path + QStringLiteral("\\MSINFO32.EXE");
        if (!QFile::exists(program) || !platform::startProgram(program)) {
            unavailable();
        }
        return;
    }
    // Without a registry the tool is looked for on PATH instead.
    for (const QString& name : systemInfoPrograms()) {
        const QString found = QStandardPaths::findExecutable(name);
        if (!found.isEmpty()) {
            if (!platform::startProgram(found)) {
                unavailable();
            }
            return;
        }
    }
    unavailable();
}

void frmAbout::unavailable() {
    platform::msgBox(QStringLiteral("System Information Is Unavailable At This Time"));
}

bool frmAbout::GetKeyValue(const QString&, const QString&, const QString&, QString& value) {
    value.clear();
    return false;
}
