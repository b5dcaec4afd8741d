#include "wheels_helpers.h"

#include <memory>
#include <stdexcept>

#include <QDir>
#include <QFile>

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
