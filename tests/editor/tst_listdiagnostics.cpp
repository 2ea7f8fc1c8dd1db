#include "editor/bindinglist.h"
#include "editor/listdiagnostics.h"

#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTest>
#include <QTextDocument>

namespace {

// Where the style puts a row's text, as a view lays it out.
class TextPlace final : public QStyledItemDelegate
{
public:
    int left(QWidget& view, const QModelIndex& index) const
    {
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.widget = &view;
        option.rect = QRect(0, 0, 300, 18);
        // The room a view gives a marker when it has no icon size of its own.
        const int side = view.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
        option.decorationSize = QSize(side, side);
        initStyleOption(&option, index);
        return view.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &view).left();
    }
};

QImage marker(const QVariant& decoration)
{
    return decoration.value<QIcon>().pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool transparentRow(const QImage& image, int y)
{
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y).alpha() != 0)
            return false;
    }
    return true;
}

} // namespace

class TestListDiagnostics : public QObject
{
    Q_OBJECT

private slots:
    void textStaysPutWhenTheFirstProblemAppears();
    void markerShowsTheSeverity_data();
    void markerShowsTheSeverity();
    void toolTipPutsTheMessageBeforeTheCode();
};

void TestListDiagnostics::textStaysPutWhenTheFirstProblemAppears()
{
    BindingList rows;
    rows.append(QStringLiteral("bind w +forward"));
    ListDiagnostics diagnostics(rows, console::Game::Quake);
    QListView view;
    view.setModel(&rows);
    const TextPlace place;
    const int before = place.left(view, rows.index(0));
    rows.append(QStringLiteral("bind FOO +jump"));
    QVERIFY(diagnostics.diagnostics().worstSeverity(1));
    QCOMPARE(place.left(view, rows.index(0)), before);
    QCOMPARE(place.left(view, rows.index(1)), before);
}

void TestListDiagnostics::markerShowsTheSeverity_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QPoint>("inside"); // clear of the symbol

    QTest::newRow("nominal: error, an unknown key")
        << QStringLiteral("bind FOO +jump") << QColor(0xd0, 0x20, 0x20) << QPoint(4, 8);
    QTest::newRow("nominal: warning, an unterminated quote")
        << QStringLiteral("bind w \"+forward") << QColor(0xe8, 0x90, 0x10) << QPoint(5, 12);
    QTest::newRow("nominal: note, a key only ports know")
        << QStringLiteral("bind MOUSE4 +jump") << QColor(0x30, 0x70, 0xd0) << QPoint(4, 8);
}

void TestListDiagnostics::markerShowsTheSeverity()
{
    QFETCH(QString, line);
    QFETCH(QColor, colour);
    QFETCH(QPoint, inside);
    BindingList rows;
    rows.append(line);
    const ListDiagnostics diagnostics(rows, console::Game::Quake);
    const QImage drawn = marker(rows.data(rows.index(0), Qt::DecorationRole));
    QCOMPARE(drawn.size(), QSize(16, 16));
    // Filled with the colour, with a symbol in it that is not.
    QCOMPARE(drawn.pixelColor(inside).rgb(), colour.rgb());
    QVERIFY(drawn.pixelColor(8, 9).rgb() != colour.rgb());
    // Room above and below, so that the markers of neighbouring rows do not merge.
    QVERIFY(transparentRow(drawn, 0));
    QVERIFY(transparentRow(drawn, 15));
}

void TestListDiagnostics::toolTipPutsTheMessageBeforeTheCode()
{
    BindingList rows;
    rows.append(QStringLiteral("bind w \"+forward"));
    const ListDiagnostics diagnostics(rows, console::Game::Quake);
    const QString tip = rows.data(rows.index(0), Qt::ToolTipRole).toString();
    QVERIFY(Qt::mightBeRichText(tip)); // a rich tooltip is wrapped
    const QList<console::Diagnostic> found = diagnostics.diagnostics().diagnostics(0);
    QVERIFY(!found.isEmpty());
    for (const console::Diagnostic& diagnostic : found) {
        const qsizetype message = tip.indexOf(diagnostic.message.toHtmlEscaped());
        QVERIFY2(message >= 0, qPrintable(tip));
        const qsizetype small = tip.indexOf(QStringLiteral("<small>"), message);
        QVERIFY2(small > message && tip.indexOf(diagnostic.code(), small) > small, qPrintable(tip));
    }
}

QTEST_MAIN(TestListDiagnostics)
#include "tst_listdiagnostics.moc"
