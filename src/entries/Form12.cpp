#include "entries/Form12.h"

#include <algorithm>

#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/listprint.h"
#include "app/module1routines.h"
#include "entries/logic/entryfilter.h"
#include "platform/cursor.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/safefile.h"

using platform::msgBox;
using platform::named;

namespace {

const QString kTempName = QStringLiteral("temp.lot");

// Each move of the bar repaints it at once, which costs as much as marking hundreds of entries:
// it moves this many times over a Check.
constexpr int kProgressSteps = 32;

constexpr Qt::ItemFlags kItemFlags =
    Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;

QLineEdit* totalBox(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(parent), name);
    // The boxes show what Check found; the marks in the list are what the player changes.
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);  // only read: no Tab stop
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(80);
    return box;
}

}  // namespace

Form12::Form12(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Filter"));

    Frame1 = named(new QGroupBox(QStringLiteral("Filter Selection"), this), "Frame1");
    Frame4 = named(new QGroupBox(QStringLiteral("Sum Filter"), Frame1), "Frame4");
    Check1 = named(new QCheckBox(QStringLiteral("Apply Filter"), Frame4), "Check1");
    Slider1 = named(new QSlider(Qt::Horizontal, Frame4), "Slider1");
    Slider1->setRange(1, 5);
    Slider1->setPageStep(1);
    Slider1->setTickPosition(QSlider::TicksBelow);
    Slider1->setTickInterval(1);
    Slider1->setToolTip(QStringLiteral("Further right keeps a narrower band of totals"));
    auto* ends = new QHBoxLayout;
    ends->addWidget(new QLabel(QStringLiteral("Wide band"), Frame4));
    ends->addStretch();
    ends->addWidget(new QLabel(QStringLiteral("Narrow band"), Frame4));
    auto* sumLayout = new QVBoxLayout(Frame4);
    sumLayout->addWidget(Check1);
    sumLayout->addWidget(Slider1);
    sumLayout->addLayout(ends);
    sumLayout->addStretch();

    Frame2 = named(new QGroupBox(QStringLiteral("Duplicate Coverage Filter"), Frame1), "Frame2");
    Check2 = named(new QCheckBox(QStringLiteral("Apply Filter"), Frame2), "Check2");
    Option1 = named(new QRadioButton(QStringLiteral("3"), Frame2), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("4"), Frame2), "Option2");
    Option3 = named(new QRadioButton(QStringLiteral("5"), Frame2), "Option3");
    Option4 = named(new QRadioButton(QStringLiteral("6"), Frame2), "Option4");
    Option3->setChecked(true);
    ProgressBar1 = named(new QProgressBar(Frame2), "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    auto* options = new QHBoxLayout;
    for (QRadioButton* option : {Option1, Option2, Option3, Option4}) {
        options->addWidget(option);
    }
    options->addStretch();
    auto* dupLayout = new QVBoxLayout(Frame2);
    dupLayout->addWidget(Check2);
    dupLayout->addLayout(options);
    dupLayout->addWidget(ProgressBar1);

    Command1 = named(new QPushButton(QStringLiteral("Check"), Frame1), "Command1");
    auto* selection = new QHBoxLayout(Frame1);
    selection->addWidget(Frame4, 1);
    selection->addWidget(Frame2, 1);
    selection->addWidget(Command1, 0, Qt::AlignBottom);

    Frame3 = named(new QGroupBox(QStringLiteral("Filtered Entries"), this), "Frame3");
    Frame5 = named(new QGroupBox(QStringLiteral("Entry Totals"), Frame3), "Frame5");
    Text1 = totalBox(Frame5, "Text1");
    Text2 = totalBox(Frame5, "Text2");
    Text3 = totalBox(Frame5, "Text3");
    Label1 = named(new QLabel(QStringLiteral("Total Entries"), Frame5), "Label1");
    Label2 = named(new QLabel(QStringLiteral("Checked"), Frame5), "Label2");
    Label3 = named(new QLabel(QStringLiteral("Resulting No."), Frame5), "Label3");
    auto* totals = new QGridLayout(Frame5);
    totals->addWidget(Label1, 0, 0);
    totals->addWidget(Text1, 0, 1);
    totals->addWidget(Label2, 1, 0);
    totals->addWidget(Text2, 1, 1);
    totals->addWidget(Label3, 2, 0);
    totals->addWidget(Text3, 2, 1);
    totals->setRowStretch(3, 1);
    Command4 = named(new QPushButton(QStringLiteral("Print"), Frame3), "Command4");
    List1 = named(new QListWidget(Frame3), "List1");
    List1->setFont(QFont(QStringLiteral("Courier New"), 10));
    List1->setUniformItemSizes(true);
    List1->setMinimumWidth(320);
    Command2 = named(new QPushButton(QStringLiteral("Remove Checked Items From Entry"), Frame3),
                     "Command2");
    auto* left = new QVBoxLayout;
    left->addWidget(Frame5);
    left->addWidget(Command4);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(List1, 1);
    right->addWidget(Command2);
    auto* filtered = new QHBoxLayout(Frame3);
    filtered->addLayout(left);
    filtered->addLayout(right, 1);

    Command3 = named(new QPushButton(QStringLiteral("Close"), this), "Command3");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command3);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame3, 1);
    layout->addLayout(buttons);
    resize(640, 560);

    connect(Command1, &QPushButton::clicked, this, &Form12::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form12::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form12::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form12::Command4_Click);
    connect(List1, &QListWidget::itemChanged, this,
            [this](QListWidgetItem* item) { List1_ItemCheck(List1->row(item)); });

    setOpener(windownames::Form1);
    setDoneFlag(m1().windowdone);
}

void Form12::Form_Load() {
    setWindowTitle(QStringLiteral("Filter for ") + m1().gamename);
    if (!m1().printeravailable) {
        Command4->setEnabled(false);
    }
    // The thresholds k down to k - 3, none below 2: sharing one number says nothing.
    const int k = m1().mainperentry;
    if (k >= 3 && k <= 7) {
        const std::array<QRadioButton*, 4> fromTop{Option4, Option3, Option2, Option1};
        for (int i = 0; i < 4; ++i) {
            const int d = k - i;
            fromTop[static_cast<std::size_t>(i)]->setText(QString::number(d));
            fromTop[static_cast<std::size_t>(i)]->setVisible(d >= 2);
        }
    }
    checkedcount = 0;
}

int Form12::threshold() const {
    for (const QRadioButton* option : {Option1, Option2, Option3, Option4}) {
        if (option->isChecked()) {
            return textToInteger(option->text());
        }
    }
    return textToInteger(Option3->text());
}

bool Form12::setupfile() {
    tempfile = dataFile(m1().datapath, kTempName);
    QByteArray bytes;
    QFile entries(m1().selectionfile);
    if (!m1().selectionfile.isEmpty() && entries.open(QIODevice::ReadOnly)) {
        bytes = entries.readAll();
    }
    QString error;
    if (!writeWholeFile(tempfile, bytes, &error)) {
        msgBox(QStringLiteral("The work copy %1 could not be written (%2).").arg(kTempName, error));
        return false;
    }
    copy_ = DrawImage(bytes);
    return true;
}

void Form12::Command1_Click() {
    if (!Check1->isChecked() && !Check2->isChecked()) {
        msgBox(QStringLiteral("No filter has been specified"));
        return;
    }
    FilterMarks marks;
    {
        platform::Hourglass hourglass;
        ProgressBar1->setValue(0);
        if (!setupfile()) {
            return;
        }
        checkedcount = 0;
        // The hand toggles of the list being rebuilt must not move the totals.
        listfilled = false;
        const int n = copy_.count();
        if (n == 0) {
            // Nothing left to filter: no line may stay that Remove would act on.
            checkflags.clear();
            List1->clear();
            Text1->clear();
            Text2->clear();
            Text3->clear();
            return;
        }
        ProgressBar1->setMaximum(n);
        const FilterSettings settings{m1().mainpool,    m1().mainperentry,   Check1->isChecked(),
                                      Slider1->value(), Check2->isChecked(), threshold()};
        const int step = std::max(1, n / kProgressSteps);
        marks = runFilters(copy_, settings, [this, step, n](int i) {
            if (i % step == 0 || i == n) {
                ProgressBar1->setValue(i);
            }
        });
    }
    checkflags = std::move(marks.marked);
    checkedcount = marks.checkedcount;
    ProgressBar1->setValue(0);
    List1->clear();
    const int n = copy_.count();
    Text1->setText(QString::number(n));
    Text2->setText(QString::number(checkedcount));
    Text3->setText(QString::number(n - checkedcount));
    listEntries();
    listfilled = true;
}

void Form12::listEntries() {
    const int n = copy_.count();
    QStringList lines;
    lines.reserve(n);
    for (int r = 1; r <= n; ++r) {
        lines << filterLine(copy_.read(r), m1().mainperentry, m1().bonusperentry, m1().extraballid,
                            m1().gamename);
    }
    List1->addItems(lines);
    {
        // The new lines get their marks before the list lays them out; a change signal per line
        // would cost more than the whole list.
        const QSignalBlocker quiet(List1->model());
        for (int i = 0; i < n; ++i) {
            QListWidgetItem* item = List1->item(i);
            item->setFlags(kItemFlags);
            item->setCheckState(checkflags[static_cast<std::size_t>(i)] != 0 ? Qt::Checked
                                                                             : Qt::Unchecked);
        }
    }
    List1->viewport()->update();
}

void Form12::List1_ItemCheck(int item) {
    if (!listfilled || item < 0 || static_cast<std::size_t>(item) >= checkflags.size()) {
        return;
    }
    const bool checked = List1->item(item)->checkState() == Qt::Checked;
    std::uint8_t& flag = checkflags[static_cast<std::size_t>(item)];
    if (checked == (flag != 0)) {
        return;  // the mark did not change
    }
    const int step = checked ? 1 : -1;
    Text2->setText(QString::number(textToInteger(Text2->text()) + step));
    Text3->setText(QString::number(textToInteger(Text3->text()) - step));
    flag = checked ? 1 : 0;
}

void Form12::Command2_Click() {
    if (leadingNumber(Text2->text()) == 0) {
        return;
    }
    // The new file is complete before it replaces the old one; a failure leaves the old one.
    const DrawImage kept = withoutMarked(copy_, checkflags);
    QString error;
    if (!writeWholeFile(m1().selectionfile, kept.bytes(), &error)) {
        msgBox(QStringLiteral("The entry file could not be changed (%1). Nothing was removed.")
                   .arg(error));
        return;
    }
    listfilled = false;
    List1->clear();
    Text1->clear();
    Text2->clear();
    Text3->clear();
    Command1_Click();
}

void Form12::Command4_Click() {
    if (List1->count() == 0) {
        msgBox(QStringLiteral("There is no list to print!"));
        return;
    }
    QStringList texts;
    for (int i = 0; i < List1->count(); ++i) {
        const QListWidgetItem* item = List1->item(i);
        texts << item->text() + (item->checkState() == Qt::Checked
                                     ? QStringLiteral(" Selected for Deletion")
                                     : QString());
    }
    printlines(listprintlines(texts));
}

void Form12::Command3_Click() {
    // The work copy goes; one that cannot be removed is harmless and is replaced next time.
    removeFile(dataFile(m1().datapath, kTempName));
    handBackAndUnload();
}

void Form12::closeBox() {
    Command3_Click();
}
