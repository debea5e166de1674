#include "data/LikePattern.h"
#include "support/TempShop.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Texts that tell the engine's LIKE apart from a naive one: case outside ASCII, characters
// beyond 16 bits, wildcard characters stored as text, and a NUL, where the engine stops.
const QStringList Texts{u"abc"_s,    u"ABC"_s,       u"aBc"_s,        u"xabcx"_s,  u"ab"_s,
                        u"a"_s,      QString(u""_s), u"中华zh上海"_s, u"中华ZH"_s, u"𠀀a"_s,
                        u"a𠀀b"_s,   u"ä"_s,         u"Ä"_s,          u"a%b"_s,    u"a_b"_s,
                        u"a\\b"_s,   u"ｚｈ"_s,      u"hsx红双喜"_s,  u"aaa"_s,    u"abab"_s,
                        u"x\0abc"_s, u"[a]"_s};

} // namespace

class TestLikePattern : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesWhatTheEngineMatches_data();
    void matchesWhatTheEngineMatches();
};

void TestLikePattern::matchesWhatTheEngineMatches_data() {
    QTest::addColumn<QString>("pattern");
    for (const QString& pattern :
         {u"%"_s,     u"%%"_s,          u""_s,     u"_"_s,     u"__"_s,      u"___"_s,
          u"a"_s,     u"A"_s,           u"%a%"_s,  u"%A%"_s,   u"a%"_s,      u"%c"_s,
          u"ABC"_s,   u"a_c"_s,         u"A_C"_s,  u"%b_"_s,   u"_b%"_s,     u"%_%"_s,
          u"%__%"_s,  u"a%c"_s,         u"a%%c"_s, u"%a%b%"_s, u"%ab%ab%"_s, u"%𠀀%"_s,
          u"%_a"_s,   u"a_b"_s,         u"_%"_s,   u"%ä%"_s,   u"%Ä%"_s,     u"%zh%"_s,
          u"%ZH%"_s,  u"%ｚ%"_s,        u"%\\%"_s, u"%abc"_s,  u"%x"_s,      u"%x\0%"_s,
          u"%[a]%"_s, u"%a%a%a%a%a%b"_s})
        QTest::newRow(qPrintable(pattern.isEmpty() ? u"(empty)"_s : pattern)) << pattern;
}

void TestLikePattern::matchesWhatTheEngineMatches() {
    QFETCH(QString, pattern);
    TempShop shop;
    shop.db().exec(u"DELETE FROM [商品]");
    for (qsizetype i = 0; i < Texts.size(); ++i)
        shop.db().exec(u"INSERT INTO [商品] ([ID号], [查询]) VALUES (?, ?)",
                       QString::number(i).rightJustified(2, u'0'), Texts.at(i));
    Statement query =
        shop.db().prepare(u"SELECT [ID号] FROM [商品] WHERE [查询] LIKE ? ORDER BY [ID号]");
    query.bind(1, pattern);
    QStringList engine;
    while (query.next())
        engine.append(Texts.at(query.text(0).toInt()));
    const LikePattern like(pattern);
    QStringList ours;
    for (const QString& text : Texts) {
        if (like.matches(LikePattern::fold(text)))
            ours.append(text);
    }
    QCOMPARE(ours, engine);
}

QTEST_GUILESS_MAIN(TestLikePattern)
#include "tst_likepattern.moc"
