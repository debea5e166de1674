#include "catalogue/Pinyin.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestPinyin : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void code_data();
    void code();
    void initial_data();
    void initial();
    void everyMainBlockCharacterHasOneLetter();
};

void TestPinyin::code_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    // The template products.
    QTest::newRow("中华") << u"中华"_s << u"zh"_s;
    QTest::newRow("红双喜") << u"红双喜"_s << u"hsx"_s;
    QTest::newRow("白沙") << u"白沙"_s << u"bs"_s;
    QTest::newRow("红塔山") << u"红塔山"_s << u"hts"_s;
    QTest::newRow("阿诗玛") << u"阿诗玛"_s << u"asm"_s;

    // Digits, letters, blanks and punctuation.
    QTest::newRow("digits and letters in place") << u"农夫山泉550ml"_s << u"nfsq550ml"_s;
    QTest::newRow("stops at ASCII blank") << u"可口可乐 500ml"_s << u"kkkl"_s;
    QTest::newRow("ASCII punctuation dropped") << u"Coca-Cola"_s << u"cocacola"_s;
    QTest::newRow("upper case lowered") << u"ZIPPO"_s << u"zippo"_s;
    QTest::newRow("full-width parentheses") << u"雪碧（罐）"_s << u"xbg"_s;
    QTest::newRow("U+3000 does not stop") << u"红牛\u3000250ml"_s << u"hn250ml"_s;
    QTest::newRow("tab does not stop") << u"红\t牛"_s << u"hn"_s;
    QTest::newRow("leading blank") << u" 中华"_s << QString();
    QTest::newRow("trailing blank") << u"中华 "_s << u"zh"_s;
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("punctuation only") << u"（）【】-+*/.,!？、…￥"_s << QString();
    QTest::newRow("full-width letters") << u"ＡＢ奶"_s << u"n"_s;
    QTest::newRow("surrogate pair") << u"红\U00020000牛"_s << u"hn"_s;
    QTest::newRow("kana") << u"あ茶"_s << u"c"_s;

    // Characters with several readings.
    QTest::newRow("大") << u"大"_s << u"d"_s;
    QTest::newRow("银行") << u"银行"_s << u"yh"_s;
    QTest::newRow("银行卡") << u"银行卡"_s << u"yhk"_s;
    QTest::newRow("长城") << u"长城"_s << u"cc"_s;
    QTest::newRow("重庆") << u"重庆"_s << u"zq"_s;
    QTest::newRow("快乐") << u"快乐"_s << u"kl"_s;
    QTest::newRow("调料") << u"调料"_s << u"tl"_s;
    QTest::newRow("调和油") << u"调和油"_s << u"thy"_s;
    QTest::newRow("果脯") << u"果脯"_s << u"gf"_s;
    QTest::newRow("人参") << u"人参"_s << u"rs"_s;
    QTest::newRow("止咳糖浆") << u"止咳糖浆"_s << u"zktj"_s;
    QTest::newRow("方便面") << u"方便面"_s << u"fbm"_s;
    QTest::newRow("雪茄") << u"雪茄"_s << u"xj"_s;
    QTest::newRow("卷烟") << u"卷烟"_s << u"jy"_s;
    QTest::newRow("绿茶") << u"绿茶"_s << u"lc"_s;
    QTest::newRow("旺仔牛奶") << u"旺仔牛奶"_s << u"wznn"_s;
    QTest::newRow("沐浴露") << u"沐浴露"_s << u"myl"_s;
    QTest::newRow("数据线") << u"数据线"_s << u"sjx"_s;
    QTest::newRow("〇") << u"二〇二三"_s << u"eles"_s;

    // Common shop words.
    const std::pair<const char16_t*, const char16_t*> words[] = {
        {u"烟", u"y"},       {u"酒", u"j"},       {u"茶", u"c"},          {u"糖", u"t"},
        {u"饼干", u"bg"},    {u"矿泉水", u"kqs"}, {u"打火机", u"dhj"},    {u"口香糖", u"kxt"},
        {u"卫生纸", u"wsz"}, {u"牙膏", u"yg"},    {u"洗衣粉", u"xyf"},    {u"啤酒", u"pj"},
        {u"可乐", u"kl"},    {u"雪碧", u"xb"},    {u"香烟", u"xy"},       {u"面包", u"mb"},
        {u"牛奶", u"nn"},    {u"酸奶", u"sn"},    {u"火腿肠", u"htc"},    {u"薯片", u"sp"},
        {u"瓜子", u"gz"},    {u"花生", u"hs"},    {u"巧克力", u"qkl"},    {u"咖啡", u"kf"},
        {u"酱油", u"jy"},    {u"食醋", u"sc"},    {u"味精", u"wj"},       {u"食盐", u"sy"},
        {u"大米", u"dm"},    {u"鸡蛋", u"jd"},    {u"挂面", u"gm"},       {u"康师傅", u"ksf"},
        {u"娃哈哈", u"whh"}, {u"王老吉", u"wlj"}, {u"青岛啤酒", u"qdpj"}, {u"二锅头", u"egt"},
        {u"牙刷", u"ys"},    {u"洗发水", u"xfs"}, {u"肥皂", u"fz"},       {u"电池", u"dc"},
        {u"蜡烛", u"lz"},    {u"槟榔", u"bl"},    {u"冰红茶", u"bhc"},    {u"八宝粥", u"bbz"},
        {u"榨菜", u"zc"},    {u"老干妈", u"lgm"}, {u"豆腐", u"df"},       {u"馒头", u"mt"},
        {u"粽子", u"zz"},    {u"月饼", u"yb"},    {u"汤圆", u"ty"},       {u"冰淇淋", u"bql"},
        {u"口罩", u"kz"},    {u"纸巾", u"zj"},    {u"保鲜膜", u"bxm"},    {u"垃圾袋", u"ljd"},
        {u"拖鞋", u"tx"},    {u"充电器", u"cdq"}, {u"创可贴", u"ckt"},    {u"花露水", u"hls"},
        {u"蚊香", u"wx"},    {u"橙汁", u"cz"},    {u"苹果", u"pg"},       {u"香蕉", u"xj"},
        {u"葡萄", u"pt"},    {u"西瓜", u"xg"},    {u"黄鹤楼", u"hhl"},    {u"芙蓉王", u"frw"},
        {u"玉溪", u"yx"},    {u"利群", u"lq"},    {u"南京", u"nj"},       {u"钓鱼台", u"dyt"},
        {u"五粮液", u"wly"}, {u"茅台", u"mt"},    {u"农夫山泉", u"nfsq"}, {u"怡宝", u"yb"},
        {u"统一", u"ty"},    {u"蒙牛", u"mn"},    {u"伊利", u"yl"},       {u"奥利奥", u"ala"},
        {u"乐事", u"ls"},    {u"欧莱雅", u"oly"}, {u"鸥", u"o"},          {u"额", u"e"},
    };
    for (const auto& [word, code] : words)
        QTest::newRow(QString::fromUtf16(word).toUtf8().constData())
            << QString::fromUtf16(word) << QString::fromUtf16(code);
}

void TestPinyin::code() {
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QCOMPARE(PinyinCode(name), expected);
}

void TestPinyin::initial_data() {
    QTest::addColumn<QChar>("ch");
    QTest::addColumn<QString>("expected");

    QTest::newRow("digit 0") << QChar(u'0') << u"0"_s;
    QTest::newRow("digit 9") << QChar(u'9') << u"9"_s;
    QTest::newRow("A") << QChar(u'A') << u"a"_s;
    QTest::newRow("Z") << QChar(u'Z') << u"z"_s;
    QTest::newRow("z") << QChar(u'z') << u"z"_s;
    QTest::newRow("blank") << QChar(u' ') << QString();
    QTest::newRow("@ before A") << QChar(u'@') << QString();
    QTest::newRow("[ after Z") << QChar(u'[') << QString();
    QTest::newRow("` before a") << QChar(u'`') << QString();
    QTest::newRow("/ before 0") << QChar(u'/') << QString();
    QTest::newRow(": after 9") << QChar(u':') << QString();
    QTest::newRow("control") << QChar(u'\x01') << QString();
    QTest::newRow("DEL") << QChar(u'\x7f') << QString();
    QTest::newRow("U+3000") << QChar(u'\u3000') << QString();
    QTest::newRow("full-width 1") << QChar(u'１') << QString();
    QTest::newRow("high surrogate") << QChar(u'\xD840') << QString();
    QTest::newRow("low surrogate") << QChar(u'\xDC00') << QString();
    QTest::newRow("first of block") << QChar(u'一') << u"y"_s;
    QTest::newRow("last of block") << QChar(u'龥') << u"y"_s;
    QTest::newRow("past the block, not GBK") << QChar(u'\x9FA6') << QString();
    QTest::newRow("extension A, not GBK") << QChar(u'\x3400') << QString();
    QTest::newRow("〇") << QChar(u'〇') << u"l"_s;
    QTest::newRow("compatibility 郎") << QChar(u'\xF92C') << u"l"_s;
    QTest::newRow("compatibility 﨑") << QChar(u'\xFA11') << u"q"_s;
    QTest::newRow("compatibility 蘒, last") << QChar(u'\xFA20') << u"q"_s;
    QTest::newRow("compatibility without a reading") << QChar(u'\xFA29') << QString();
    QTest::newRow("unit character 瓩") << QChar(u'瓩') << u"q"_s;
    QTest::newRow("unit character 兙") << QChar(u'兙') << u"s"_s;
}

void TestPinyin::initial() {
    QFETCH(QChar, ch);
    QFETCH(QString, expected);
    QCOMPARE(PinyinInitial(ch), expected);
}

void TestPinyin::everyMainBlockCharacterHasOneLetter() {
    const QString alphabet = u"abcdefghjklmnopqrstwxyz"_s;
    for (char16_t c = 0x4E00; c <= 0x9FA5; ++c) {
        const QString letter = PinyinInitial(QChar(c));
        if (letter.size() != 1 || !alphabet.contains(letter))
            QFAIL(qPrintable(u"U+%1 gives \"%2\""_s.arg(int(c), 4, 16).arg(letter)));
    }
}

QTEST_GUILESS_MAIN(TestPinyin)
#include "tst_pinyin.moc"
