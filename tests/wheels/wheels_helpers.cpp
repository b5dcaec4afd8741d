#include "wheels_helpers.h"

#include <memory>
#include <stdexcept>

#include <QDir>
#include <QFile>

#include "app/Form1.h"
#include "app/appwindows.h"
#include "platform/windows.h"
#include "shared/gamerecord.h"
#include "shared/module1.h"
#include "support/bytes.h"
#include "wheels/WheelForm.h"
#include "wheels/wheelwindows.h"

void WheelTest::shipWheel(const QString& name) const {
    QDir().mkpath(file(QStringLiteral("wheels")));
    QFile source(QStringLiteral(KESTROVA_DATA "/wheels/") + name);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << name.toStdString();
    writeWheel(name, source.readAll());
}

void WheelTest::writeWheel(const QString& name, const QByteArray& text) const {
    QDir().mkpath(file(QStringLiteral("wheels")));
    writeFile(QStringLiteral("wheels/") + name, text);
}

std::array<QString, 24> boxTexts(const std::vector<const char*>& texts) {
    std::array<QString, 24> boxes;
    std::size_t i = 0;
    for (const char* t : texts)
        boxes[i++] = QString::fromLatin1(t);
    return boxes;
}

std::function<double()> scriptedRandom(std::vector<double> values) {
    auto next = std::make_shared<std::size_t>(0);
    return [values = std::move(values), next] {
        if (*next >= values.size()) {
            // Thrown, not returned: a repeated number would make the caller draw for ever.
            throw std::runtime_error("more random numbers asked than scripted");
        }
        return values[(*next)++];
    };
}

void WheelWindowTest::SetUp() {
    WheelTest::SetUp();
    registerAppWindows();
    registerWheelWindows();
}

Form1& WheelWindowTest::startGame(int k, int pool, int bonuspool) {
    GameRecord g;
    g.name = QStringLiteral("Lotto").leftJustified(12);
    g.ballsdrawn = static_cast<qint16>(k);
    g.bonusdrawn = bonuspool > 0 ? 1 : 0;
    g.mainpool = static_cast<qint16>(pool);
    g.bonusfrommain = bonuspool > 0 ? 0 : 2;
    g.bonuspool = static_cast<qint16>(bonuspool);
    g.mainperentry = static_cast<qint16>(k);
    g.bonusperentry = bonuspool > 0 ? 1 : 0;
    for (std::size_t level = 1; level <= 15; ++level)
        g.prizelevels[level] = 1;
    for (std::size_t day = 1; day <= 7; ++day)
        g.drawdays[day] = static_cast<qint16>(day);
    g.extraballid = QStringLiteral("PB");
    g.extraballname = QStringLiteral("Powerball");
    writeFile(QStringLiteral("game1.dat"), g.toBytes());
    Form1& main = *platform::Windows::get<Form1>(Form1::kName);
    main.show();
    return main;
}

WheelForm& WheelWindowTest::openWheel() {
    Form1* main = platform::Windows::live<Form1>(Form1::kName);
    EXPECT_NE(main, nullptr);
    main->mnuWheelCreate_Click();
    auto* form = platform::Windows::live<WheelForm>(wheelWindowName(m1().ballsdrawn));
    EXPECT_NE(form, nullptr);
    return *form;
}

void WheelWindowTest::writeHistory(const std::vector<std::vector<int>>& draws, int extra) const {
    QByteArray bytes;
    int r = 0;
    for (const std::vector<int>& balls : draws) {
        ++r;
        QByteArray record = fixture::draw(r == 1 ? static_cast<long>(draws.size()) : 0, r,
                                          r % 28 + 1, 1, 2012, {}, extra);
        for (std::size_t j = 0; j < balls.size() && j < 7; ++j)
            record.replace(12 + 2 * static_cast<int>(j), 2, fixture::le16(balls[j]));
        bytes += record;
    }
    writeFile(QStringLiteral("Lotto.rtl"), bytes);
}

void WheelWindowTest::typeNumbers(WheelForm& form, const std::vector<const char*>& numbers) {
    for (std::size_t i = 0; i < numbers.size(); ++i)
        form.Text1[i]->setText(QString::fromLatin1(numbers[i]));
}
