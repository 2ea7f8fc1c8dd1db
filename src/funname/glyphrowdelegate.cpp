#include "funname/glyphrowdelegate.h"

#include "funname/glyphs.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <array>

namespace {

constexpr int TabStop = 8;

// The tab is white space that text shows well; every other control byte, and every byte
// from 127 up, has a console picture that no font has.
bool isConsoleOnly(QChar character)
{
    const char16_t code = character.unicode();
    return (code < 32 && code != u'\t') || (code >= 127 && code < glyphs::Count);
}

// Rows are bytes, so nothing above 255 should turn up; if it does, it shows as '?'.
int glyphCode(QChar character)
{
    const char16_t code = character.unicode();
    return code < glyphs::Count ? code : '?';
}

// The console pictures with their black ground left out, for a selected row: the selection
// shows between the strokes as it does behind text.
const QImage& inkOnly(int code)
{
    static const std::array<QImage, glyphs::Count> pictures = [] {
        std::array<QImage, glyphs::Count> inks;
        for (int glyph = 0; glyph < glyphs::Count; ++glyph) {
            QImage ink = glyphs::picture(glyph).convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < ink.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(ink.scanLine(y));
                for (int x = 0; x < ink.width(); ++x) {
                    if (qGray(line[x]) == 0)
                        line[x] = qRgba(0, 0, 0, 0);
                }
            }
            inks[size_t(glyph)] = ink;
        }
        return inks;
    }();
    return pictures[size_t(code)];
}

// Whole multiples of the picture keep every cell pixel the same size.
int glyphSide(int height)
{
    const int scale = height / glyphs::PictureSize;
    return scale > 0 ? scale * glyphs::PictureSize : height;
}

QStyle* styleOf(const QWidget* view)
{
    return view ? view->style() : QApplication::style();
}

// The same margin the style leaves around plain text, so both kinds of row line up.
int textMargin(const QWidget* view)
{
    return styleOf(view)->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
}

// The text with every tab turned into the spaces up to the next stop, as an editor shows it.
QString expandTabs(QStringView text)
{
    QString expanded;
    expanded.reserve(text.size() + TabStop);
    for (const QChar character : text) {
        if (character == u'\t')
            expanded.append(QString(TabStop - expanded.size() % TabStop, u' '));
        else
            expanded.append(character);
    }
    return expanded;
}

} // namespace

bool GlyphRowDelegate::drawsAsGlyphs(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isConsoleOnly);
}

void GlyphRowDelegate::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (drawsAsGlyphs(option->text)) {
        // The style draws the row without its text (background, selection, focus); the
        // glyphs go where the text would have been. Without text the style would size the
        // selection to nothing, so it highlights the whole row.
        option->text.clear();
        option->showDecorationSelected = true;
    } else if (option->text.contains(u'\t')) {
        option->text = expandTabs(option->text);
    }
}

void GlyphRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!drawsAsGlyphs(text)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    const QWidget* view = option.widget;
    QStyle* style = styleOf(view);
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, view);
    const int margin = textMargin(view);
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &row, view);
    paintGlyphs(painter, area.adjusted(margin, 0, -margin, 0), text, row.state & QStyle::State_Selected);
}

QSize GlyphRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int height = std::max(size.height(), int(glyphs::PictureSize));
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!drawsAsGlyphs(text))
        return {size.width(), height};
    // The text is left out of the style's size (see initStyleOption); the glyphs take its place.
    const int glyphWidth = int(text.size()) * glyphSide(height) + 2 * textMargin(option.widget);
    return {size.width() + glyphWidth, height};
}

void GlyphRowDelegate::paintGlyphs(QPainter* painter, const QRect& area, QStringView text, bool selected)
{
    const int side = glyphSide(area.height());
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false); // crisp, as on the console
    QRect cell(area.left(), area.top() + (area.height() - side) / 2, side, side);
    const QRect shown = painter->clipBoundingRect().toAlignedRect();
    for (const QChar character : text) {
        if (cell.left() > area.right())
            break;
        // Cells scrolled out of sight are not drawn: a row can be thousands of glyphs long.
        if (cell.right() >= shown.left())
            painter->drawImage(cell, selected ? inkOnly(glyphCode(character)) : glyphs::picture(glyphCode(character)));
        cell.translate(side, 0);
    }
    painter->restore();
}
