// The ball set, board count, board, orientation, width and length menus.
#include "playslips/configure.h"
#include "shared/module1.h"
#include "shared/textforms.h"

void configure::showBallSet(BallSet set) {
    const Module1& m = m1();
    const int pool = std::clamp<int>(set == BallSet::Main ? m.mainpool : m.bonuspool, 0, kLabels);
    const bool cards = set == BallSet::Extra && m.gamename == kWildCardGame;
    for (int k = 0; k < kLabels; ++k) {
        QLabel* label = Label1[static_cast<std::size_t>(k)];
        if (k < pool) {
            QFont f = label->font();
            f.setPointSize(cards ? 8 : 12);
            label->setFont(f);
            label->setText(cards ? cardname(k + 1) : QString::number(k + 1));
        }
        label->setVisible(k < pool);
        // Hidden boxes still hold their positions, and are saved with the others.
        Text1[static_cast<std::size_t>(2 * k)]->setVisible(k < pool);
        Text1[static_cast<std::size_t>(2 * k + 1)]->setVisible(k < pool);
    }
    // A column of ten keeps its heads while it shows a ball.
    for (std::size_t h = 0; h < columnHeads_.size(); ++h) {
        columnHeads_[h]->setVisible(static_cast<int>(h / 2) * kRowsPerColumn < pool);
    }
}

void configure::selectBoard(int k) {
    Module1& m = m1();
    changesmade = false;
    m.currentboard = k;
    m.boardname = QStringLiteral("Board ") + QChar(u'A' + k - 1);
    rebuildCaption();
    for (int i = 1; i <= 10; ++i) {
        mnuBoards[static_cast<std::size_t>(i - 1)]->setChecked(i == k);
    }
    mnuRetrieve_Click();
    changesmade = false;
}

void configure::mnuBoard_Click(int k) {
    // The changes go into the board still current; when they cannot be kept, the board stays.
    if (!askToSave()) {
        for (int i = 1; i <= 10; ++i) {
            mnuBoards[static_cast<std::size_t>(i - 1)]->setChecked(i == m1().currentboard);
        }
        return;
    }
    selectBoard(k);
}

void configure::setBoardCount(int n) {
    for (int i = 3; i <= 10; ++i) {
        mnuCount[static_cast<std::size_t>(i - 3)]->setChecked(i == n);
    }
    // Boards A to C are always there; the current board stays even when its item is hidden.
    for (int k = 4; k <= 10; ++k) {
        mnuBoards[static_cast<std::size_t>(k - 1)]->setVisible(k <= n);
    }
    m1().boardcount = static_cast<qint16>(n);
}

void configure::mnuNumber_Click(int n) {
    setBoardCount(n);
    changesmade = true;
}

void configure::selectBallSet(BallSet set) {
    if (!askToSave()) {
        checkOnly({mnuConfigMain, mnuConfigExtra},
                  set == BallSet::Main ? mnuConfigExtra : mnuConfigMain);
        return;
    }
    checkOnly({mnuConfigMain, mnuConfigExtra},
              set == BallSet::Main ? mnuConfigMain : mnuConfigExtra);
    showBallSet(set);
    m1().slipmode = set == BallSet::Main ? QStringLiteral("Main Balls") : m1().extraballname;
    changesmade = false;
    rebuildCaption();
    selectBoard(1);
}

void configure::mnuConfigMain_Click() {
    selectBallSet(BallSet::Main);
}

void configure::mnuConfigExtra_Click() {
    selectBallSet(BallSet::Extra);
}

void configure::mnuVerticalMain_Click() {
    checkOnly({mnuVerticalMain, mnuHorizontalMain}, mnuVerticalMain);
}
void configure::mnuHorizontalMain_Click() {
    checkOnly({mnuVerticalMain, mnuHorizontalMain}, mnuHorizontalMain);
}
void configure::mnuVerticalExtra_Click() {
    checkOnly({mnuVerticalExtra, mnuHorizontalExtra}, mnuVerticalExtra);
}
void configure::mnuHorizontalExtra_Click() {
    checkOnly({mnuVerticalExtra, mnuHorizontalExtra}, mnuHorizontalExtra);
}

void configure::mnuThin_Click() {
    checkOnly({mnuThin, mnuRecom, mnuThick}, mnuThin);
    m1().markwidth = 15;
}
void configure::mnuRecom_Click() {
    checkOnly({mnuThin, mnuRecom, mnuThick}, mnuRecom);
    m1().markwidth = 25;
}
void configure::mnuThick_Click() {
    checkOnly({mnuThin, mnuRecom, mnuThick}, mnuThick);
    m1().markwidth = 35;
}

void configure::mnuShort_Click() {
    checkOnly({mnuShort, mnuMedium, mnuLong}, mnuShort);
    m1().marklength = 100;
}
void configure::mnuMedium_Click() {
    checkOnly({mnuShort, mnuMedium, mnuLong}, mnuMedium);
    m1().marklength = 150;
}
void configure::mnuLong_Click() {
    checkOnly({mnuShort, mnuMedium, mnuLong}, mnuLong);
    m1().marklength = 200;
}
