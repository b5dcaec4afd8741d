// The shipped help: every relative link and picture of every page leads to a file of the help
// (and to an anchor that the page has), and every page and picture is reached from the index.
#include <set>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace {

const QString kHelp = QStringLiteral(KESTROVA_DATA "/help");

QString text(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList references(const QString& page) {
    static const QRegularExpression attribute(
        QStringLiteral(R"re(\b(?:href|src)\s*=\s*(?:"([^"]*)"|'([^']*)'))re"),
        QRegularExpression::CaseInsensitiveOption);
    QStringList found;
    for (const auto& m : attribute.globalMatch(text(page))) {
        found << (m.hasCaptured(1) ? m.captured(1) : m.captured(2));
    }
    return found;
}

bool hasAnchor(const QString& page, const QString& anchor) {
    return text(page).contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

QStringList filesOfHelp(const QString& suffix) {
    QStringList files;
    QDirIterator it(kHelp, {QStringLiteral("*") + suffix}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files << QDir::cleanPath(it.next());
    }
    return files;
}

}  // namespace

TEST(HelpFiles, EveryRelativeLinkAndPictureResolvesInsideTheHelp) {
    const QStringList pages = filesOfHelp(QStringLiteral(".html"));
    ASSERT_TRUE(pages.contains(QDir::cleanPath(kHelp + "/index.html")));
    for (const QString& page : pages) {
        for (const QString& ref : references(page)) {
            const QUrl url(ref);
            SCOPED_TRACE(QStringLiteral("%1: %2").arg(page, ref).toStdString());
            // A help read offline links nowhere else.
            ASSERT_TRUE(url.isRelative());
            ASSERT_TRUE(url.isValid());
            const QString target =
                url.path().isEmpty()
                    ? page
                    : QDir::cleanPath(QFileInfo(page).absolutePath() + u'/' + url.path());
            EXPECT_TRUE(target.startsWith(kHelp + u'/'));
            EXPECT_TRUE(QFileInfo(target).isFile());
            if (url.hasFragment()) {
                EXPECT_TRUE(hasAnchor(target, url.fragment()));
            }
        }
    }
}

TEST(HelpFiles, EveryPageAndPictureIsReachedFromTheIndex) {
    std::set<QString> reached;
    QStringList todo{QDir::cleanPath(kHelp + "/index.html")};
    while (!todo.isEmpty()) {
        const QString page = todo.takeFirst();
        if (!reached.insert(page).second || !page.endsWith(u".html")) {
            continue;
        }
        for (const QString& ref : references(page)) {
            const QString path = QUrl(ref).path();
            if (!path.isEmpty()) {
                todo << QDir::cleanPath(QFileInfo(page).absolutePath() + u'/' + path);
            }
        }
    }
    for (const QString& suffix : {QStringLiteral(".html"), QStringLiteral(".png")}) {
        for (const QString& file : filesOfHelp(suffix)) {
            EXPECT_TRUE(reached.count(file)) << file.toStdString();
        }
    }
}
