#include "entries/Form5.h"

#include <algorithm>

#include <QElapsedTimer>

#include "app/Form1.h"
#include "app/module1routines.h"
#include "entries/logic/entryfile.h"
#include "entries/logic/suggest.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/messagebox.h"
#include "platform/twips.h"
#include "platform/windows.h"
#include "shared/entryvalidation.h"
#include "shared/gamefiles.h"
#include "shared/module1.h"
#include "shared/numbertext.h"
#include "shared/textforms.h"

using platform::twipsToPixels;

namespace {

void place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                   twipsToPixels(height));
}

constexpr int kBoxLeft = 240;
constexpr int kBoxStep = 600;
constexpr int kBoxTop = 360;
constexpr int kBoxWidth = 495;
constexpr int kRow = 375;
constexpr int kButtonWidth = 975;
constexpr qint64 kPollMilliseconds = 15;

Form1* mainForm() {
    return platform::Windows::live<Form1>(windownames::Form1);
}

// The main window's list and count follow the file as each entry is appended.
void showAppended(const entries::Entry& e, int count) {
    if (Form1* main = mainForm()) {
        main->Text2->setText(u' ' + QString::number(count));
        addentryline(*main->List1, e.balls, e.extra);
    }
}

}  // namespace

Form5::Form5(QWidget* parent) : platform::Form(kName, parent) {
    setWindowTitle(QStringLiteral("Add Entries"));
    setOpener(windownames::Form1);
    setFixedSize(twipsToPixels(4815), twipsToPixels(4035));

    Frame1 = platform::named(new QGroupBox(QStringLiteral("Add Manual Entry"), this), "Frame1");
    place(Frame1, 120, 60, 4575, 1755);
    for (int i = 0; i < 7; ++i) {
        QLineEdit* box = platform::named(new QLineEdit(Frame1), QStringLiteral("Text1_%1").arg(i));
        box->setMaxLength(2);
        box->setAlignment(Qt::AlignCenter);
        place(box, kBoxLeft + kBoxStep * i, kBoxTop, kBoxWidth, kRow);
        box->hide();
        Text1[static_cast<std::size_t>(i)] = box;
        connect(box, &QLineEdit::textChanged, this, [this, i] { Text1_Change(i); });
        connect(box, &QLineEdit::returnPressed, this, &Form5::Command6_Click);
    }
    Label2 = platform::named(new QLabel(QStringLiteral("EB"), Frame1), "Label2");
    Label2->setAlignment(Qt::AlignCenter);
    place(Label2, 2160, 780, 375, 255);
    Check1 = platform::named(new QCheckBox(QStringLiteral("Auto Tab"), Frame1), "Check1");
    Check1->setChecked(true);
    place(Check1, 240, 1260, 1335, 315);
    Command6 = platform::named(new QPushButton(QStringLiteral("Add"), Frame1), "Command6");
    place(Command6, 2280, 1200, kButtonWidth, kRow);
    Command5 = platform::named(new QPushButton(QStringLiteral("Clear"), Frame1), "Command5");
    place(Command5, 3360, 1200, kButtonWidth, kRow);

    Frame2 = platform::named(new QGroupBox(QStringLiteral("Add Computer Suggested Entries"), this),
                             QStringLiteral("Frame2"));
    place(Frame2, 120, 1935, 4575, 1455);
    Label1 = platform::named(new QLabel(QStringLiteral("Enter No"), Frame2), "Label1");
    place(Label1, 240, 420, 855, 255);
    Text8 = platform::named(new QLineEdit(Frame2), "Text8");
    Text8->setMaxLength(4);
    Text8->setAlignment(Qt::AlignRight);
    place(Text8, 1080, 360, 735, kRow);
    Option1 = platform::named(new QRadioButton(QStringLiteral("Total"), Frame2), "Option1");
    place(Option1, 240, 900, 1095, 315);
    Option2 = platform::named(new QRadioButton(QStringLiteral("Additional"), Frame2), "Option2");
    place(Option2, 1440, 900, 1455, 315);
    Command4 = platform::named(new QPushButton(QStringLiteral("Add"), Frame2), "Command4");
    place(Command4, 3360, 300, kButtonWidth, kRow);
    Command1 = platform::named(new QPushButton(QStringLiteral("Cancel"), Frame2), "Command1");
    place(Command1, 3360, 840, kButtonWidth, kRow);

    Command3 = platform::named(new QPushButton(QStringLiteral("Close"), this), "Command3");
    place(Command3, 3720, 3510, kButtonWidth, kRow);

    connect(Command6, &QPushButton::clicked, this, &Form5::Command6_Click);
    connect(Command5, &QPushButton::clicked, this, &Form5::Command5_Click);
    connect(Command4, &QPushButton::clicked, this, &Form5::Command4_Click);
    connect(Command1, &QPushButton::clicked, this, &Form5::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &Form5::Command3_Click);
    connect(Text8, &QLineEdit::returnPressed, this, &Form5::Command4_Click);
}

void Form5::Form_Load() {
    Option1->setChecked(true);
    const int m = std::clamp<int>(m1().mainperentry, 0, 7);
    // An entry of seven main numbers has no room for an extra.
    const bool withExtra = m1().bonusperentry != 0 && m < 7;
    Label2->setText(m1().extraballid);
    Label2->setVisible(withExtra);
    const int boxes = std::min(m + (withExtra ? 1 : 0), 7);
    for (int i = 0; i < boxes; ++i) {
        Text1[static_cast<std::size_t>(i)]->show();
    }
    if (withExtra && m >= 3 && m <= 6) {
        place(Label2, 2160 + 600 * (m - 3), 780, 375, 255);
    }
    if (withExtra && m1().gamename == kWildCardGame) {
        QLineEdit* card = Text1[static_cast<std::size_t>(m)];
        QFont font = card->font();
        font.setPointSize(12);
        font.setBold(true);
        card->setFont(font);
    }
    if (boxes > 0) {
        Text1[0]->setFocus();
    }
}

void Form5::Text1_Change(int index) {
    if (!Check1->isChecked() || Text1[static_cast<std::size_t>(index)]->text().size() != 2) {
        return;
    }
    if (index + 1 < 7) {
        QLineEdit* next = Text1[static_cast<std::size_t>(index + 1)];
        if (!next->isHidden() && next->isEnabled()) {
            // Selected, so digits typed over a kept line replace it.
            next->setFocus();
            next->selectAll();
            return;
        }
    }
    // While a suggested run keeps Add disabled the focus stays where it is.
    if (Command6->isEnabled()) {
        Command6->setFocus();
    }
}

void Form5::Command6_Click() {
    // Enter in a box reaches here even while a suggested run holds the file.
    if (running_) {
        return;
    }
    std::array<QString, 7> texts;
    for (std::size_t i = 0; i < 7; ++i) {
        texts[i] = Text1[i]->text();
    }
    const EntryRules rules = entryRules(m1());
    if (const EntryFault fault = entryFault(texts, rules, EntryWindow::Add);
        fault != EntryFault::None) {
        platform::msgBox(entryFaultMessage(fault));
        return;
    }
    const TypedEntry typed = typedEntry(texts, rules);
    const entries::Entry e{typed.mains, typed.extra};
    DrawFile file(m1().selectionfile);
    const entries::Appended appended = entries::appendEntry(file, e);
    if (appended.result != DrawFile::Append::Done) {
        platform::msgBox(entries::appendFailureMessage(appended.result));
        return;
    }
    showAppended(e, appended.count);
    // The boxes keep the line; the next one is typed over it from the first box.
    Text1[0]->setFocus();
    Text1[0]->selectAll();
}

void Form5::Command5_Click() {
    for (QLineEdit* box : Text1) {
        box->clear();
    }
}

void Form5::setButtonsEnabled(bool enabled) {
    for (QPushButton* b : {Command3, Command4, Command5, Command6}) {
        b->setEnabled(enabled);
    }
}

void Form5::Command4_Click() {
    if (running_) {
        return;
    }
    const Form1* main = mainForm();
    const double shown = main != nullptr ? leadingNumber(main->Text2->text()) : 0;
    const entries::SuggestPlan plan = entries::planSuggestions(
        leadingNumber(Text8->text()), shown, [] { return drawFileCount(m1().selectionfile); },
        Option2->isChecked() ? entries::SuggestMode::Additional : entries::SuggestMode::Total);
    if (!plan.refusal.isEmpty()) {
        platform::msgBox(plan.refusal);
        return;
    }
    setButtonsEnabled(false);
    // A Cancel pressed while nothing ran must not stop this run.
    m1().cancelflag = false;
    // Seeded once per run: seeding before every attempt repeats one candidate until the clock
    // moves on.
    platform::randomize(static_cast<quint32>(platform::now().time().msecsSinceStartOfDay()));

    const QString results = m1().resultsfile.isEmpty()
                                ? dataFile(m1().datapath, resultsFileName(m1().gamename))
                                : m1().resultsfile;
    entries::Suggester suggester(entries::EntryGame::from(m1()), entries::readCounted(results),
                                 [] { return platform::rnd(); });
    for (const DrawRecord& stored : entries::readCounted(m1().selectionfile)) {
        suggester.remember({stored.balls, stored.extra});
    }
    running_ = true;
    entries::SuggestOutcome outcome;
    {
        DrawFile file(m1().selectionfile);
        // Events run after an accepted entry, but repainting the main window for each of
        // thousands of entries would cost more than finding them: at most every few ms.
        QElapsedTimer sincePoll;
        auto cancelled = [&sincePoll] {
            if (sincePoll.isValid() && sincePoll.elapsed() < kPollMilliseconds) {
                return false;
            }
            sincePoll.start();
            platform::doEvents();
            if (platform::programEnded()) {
                return true;
            }
            const bool cancel = m1().cancelflag;
            m1().cancelflag = false;
            return cancel;
        };
        outcome = entries::runSuggestions(suggester, file, plan.entries, {showAppended, cancelled});
    }
    running_ = false;
    if (platform::programEnded()) {
        return;
    }
    setButtonsEnabled(true);
    if (const QString message = entries::suggestEndMessage(outcome); !message.isEmpty()) {
        platform::msgBox(message);
    }
    if (closeAfterRun_) {
        Command3_Click();
    }
}

void Form5::Command1_Click() {
    m1().cancelflag = true;
}

void Form5::Command3_Click() {
    if (running_) {
        return;
    }
    if (Form1* main = mainForm()) {
        main->List2->clear();
        main->Text3->setText(QStringLiteral("0"));
    }
    handBackAndUnload();
}

void Form5::closeBox() {
    if (running_) {
        closeAfterRun_ = true;
        Command1_Click();
        return;
    }
    Command3_Click();
}
