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
    void tabIsDrawnAsSpacesToTheNextStop_data();
    void tabIsDrawnAsSpacesToTheNextStop();
    void plainRowIsPlainText();
    void glyphRowShowsConsoleGlyphs();
    void selectedGlyphRowKeepsHighlight();
    void selectedGlyphsShowTheSelectionBetweenStrokes();
    void glyphRowIsAsWideAsItsGlyphs();
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
    QTest::newRow("nominal: tab is white space") << QString::fromLatin1("bind\tw\t+forward") << false;
    QTest::newRow("nominal: byte 1 is a glyph") << QString::fromLatin1("name \"\x01\"") << true;
    QTest::newRow("edge: byte 10, beside the tab, is a glyph") << QString::fromLatin1("say\nx") << true;
    QTest::newRow("edge: a tab does not hide a glyph after it") << QString::fromLatin1("say\t\x10") << true;
    QTest::newRow("edge: 127") << QString::fromLatin1("name \x7f") << true;
    QTest::newRow("nominal: byte 200 is a glyph") << QString::fromLatin1("name \xc8") << true;
    QTest::newRow("edge: 255") << QString::fromLatin1("name \xff") << true;
    QTest::newRow("robustness: a character beyond the byte range alone") << QStringLiteral("name \u20ac") << false;
}

void TestGlyphRowDelegate::drawsAsGlyphs()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(GlyphRowDelegate::drawsAsGlyphs(text), expected);
}

// A tab is drawn as the spaces up to the next stop, every eighth column, as an editor shows it.
void TestGlyphRowDelegate::tabIsDrawnAsSpacesToTheNextStop_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spaced");

    QTest::newRow("nominal: tab after a short word reaches the stop")
        << QStringLiteral("bind\tw") << QStringLiteral("bind    w");
    QTest::newRow("nominal: second tab to the next stop")
        << QStringLiteral("bind\tw\t+x") << QStringLiteral("bind    w       +x");
    QTest::newRow("edge: tab at a stop takes a whole stop")
        << QStringLiteral("12345678\tx") << QStringLiteral("12345678        x");
    QTest::newRow("edge: leading tabs") << QStringLiteral("\t\tx") << QString(16, u' ') + u'x';
}

void TestGlyphRowDelegate::tabIsDrawnAsSpacesToTheNextStop()
{
    QFETCH(QString, text);
    QFETCH(QString, spaced);
    m_list->setText(1, text);
    m_list->setText(2, spaced);
    const GlyphRowDelegate glyphRows;
    for (const bool selected : {false, true})
        QCOMPARE(render(glyphRows, 0, selected), render(glyphRows, 1, selected));
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
    // The glyph's strokes on the selection colour.
    QImage onSelection = glyphs::picture('V').convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < onSelection.height(); ++y) {
        for (int x = 0; x < onSelection.width(); ++x) {
            if (qGray(onSelection.pixel(x, y)) == 0)
                onSelection.setPixelColor(x, y, highlight);
        }
    }
    QVERIFY(containsPicture(selected, onSelection));
}

// Between the strokes of the glyphs the selection shows, as it does behind text.
void TestGlyphRowDelegate::selectedGlyphsShowTheSelectionBetweenStrokes()
{
    m_list->setText(2, QString(10, QChar(0x80 + ' ')));
    const GlyphRowDelegate glyphRows;
    const QImage selected = render(glyphRows, 1, true);
    const QColor highlight = m_view->palette().color(QPalette::Active, QPalette::Highlight);
    QCOMPARE(selected.pixelColor(selected.width() / 4, glyphs::PictureSize / 2), highlight);
}

void TestGlyphRowDelegate::glyphRowIsAsWideAsItsGlyphs()
{
    const QString name = QString::fromLatin1("name \"\x10") + QString(60, QChar(0xe1));
    m_list->setText(2, name);
    const GlyphRowDelegate glyphRows;
    QStyleOptionViewItem option;
    option.initFrom(m_view);
    option.widget = m_view;
    QVERIFY(glyphRows.sizeHint(option, m_list->index(1)).width() >= name.size() * glyphs::PictureSize);
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
