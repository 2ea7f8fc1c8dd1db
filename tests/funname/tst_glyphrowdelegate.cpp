#include "editor/bindinglist.h"
#include "funname/glyphrowdelegate.h"
#include "funname/glyphs.h"

#include <QListView>
#include <QPainter>
#include <QTest>

class TestGlyphRowDelegate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void drawsAsGlyphs_data();
    void drawsAsGlyphs();
    void plainRowIsPlainText();
    void glyphRowShowsConsoleGlyphs();
    void selectedGlyphRowKeepsHighlight();
    void rowsAreOneGlyphHigh();

private:
    QImage render(const QStyledItemDelegate& delegate, int row, bool selected = false);
    static bool containsPicture(const QImage& image, const QImage& picture);

    BindingList* m_list = nullptr;
    QListView* m_view = nullptr;
};

void TestGlyphRowDelegate::init()
{
    m_list = new BindingList;
    m_list->append(QStringLiteral("bind w +forward"));
    m_list->append(QString::fromLatin1("name \"\x10V\xe1n\x11\""));
    m_view = new QListView;
    m_view->setModel(m_list);
    m_view->resize(400, 200);
}

void TestGlyphRowDelegate::cleanup()
{
    delete m_view;
    delete m_list;
}

QImage TestGlyphRowDelegate::render(const QStyledItemDelegate& delegate, int row, bool selected)
{
    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.widget = m_view;
    option.rect = QRect(0, 0, 300, glyphs::PictureSize);
    if (selected)
        option.state |= QStyle::State_Selected;
    QImage image(option.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    delegate.paint(&painter, option, m_list->index(row));
    return image;
}

bool TestGlyphRowDelegate::containsPicture(const QImage& image, const QImage& picture)
{
    for (int x = 0; x + picture.width() <= image.width(); ++x) {
        if (image.copy(x, 0, picture.width(), picture.height()) == picture)
            return true;
    }
    return false;
}

void TestGlyphRowDelegate::drawsAsGlyphs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("nominal: plain binding") << QStringLiteral("bind w \"+forward; say hi\"") << false;
    QTest::newRow("edge: empty row") << QString() << false;
    QTest::newRow("edge: tilde, the last plain character") << QStringLiteral("name ~") << false;
    QTest::newRow("nominal: control byte") << QString::fromLatin1("name \"\x01\"") << true;
    QTest::newRow("edge: tab counts as a control byte") << QString::fromLatin1("say\tx") << true;
    QTest::newRow("edge: 127") << QString::fromLatin1("name \x7f") << true;
    QTest::newRow("nominal: byte above 127") << QString::fromLatin1("name \xe1") << true;
    QTest::newRow("edge: 255") << QString::fromLatin1("name \xff") << true;
    QTest::newRow("robustness: a character beyond the byte range alone") << QStringLiteral("name \u20ac") << false;
}

void TestGlyphRowDelegate::drawsAsGlyphs()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(GlyphRowDelegate::drawsAsGlyphs(text), expected);
}

void TestGlyphRowDelegate::plainRowIsPlainText()
{
    const GlyphRowDelegate glyphRows;
    const QStyledItemDelegate plain;
    QCOMPARE(render(glyphRows, 0), render(plain, 0));
}

void TestGlyphRowDelegate::glyphRowShowsConsoleGlyphs()
{
    const GlyphRowDelegate glyphRows;
    const QStyledItemDelegate plain;
    const QImage drawn = render(glyphRows, 1);
    QVERIFY(drawn != render(plain, 1));
    for (const int code : std::initializer_list<int>{'n', 'a', 0x10, 'V', 0xe1, 0x11, '"'})
        QVERIFY2(containsPicture(drawn, glyphs::picture(code)), qPrintable(QString::number(code)));
}

void TestGlyphRowDelegate::selectedGlyphRowKeepsHighlight()
{
    const GlyphRowDelegate glyphRows;
    const QImage selected = render(glyphRows, 1, true);
    const QColor highlight = m_view->palette().color(QPalette::Active, QPalette::Highlight);
    QCOMPARE(selected.pixelColor(selected.width() - 2, glyphs::PictureSize / 2), highlight);
    QVERIFY(containsPicture(selected, glyphs::picture('V')));
}

void TestGlyphRowDelegate::rowsAreOneGlyphHigh()
{
    const GlyphRowDelegate glyphRows;
    QStyleOptionViewItem option;
    option.initFrom(m_view);
    for (int row = 0; row < m_list->count(); ++row)
        QVERIFY(glyphRows.sizeHint(option, m_list->index(row)).height() >= glyphs::PictureSize);
}

QTEST_MAIN(TestGlyphRowDelegate)
#include "tst_glyphrowdelegate.moc"
