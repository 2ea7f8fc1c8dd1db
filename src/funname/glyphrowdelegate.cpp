#include "funname/glyphrowdelegate.h"

#include "funname/glyphs.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>

namespace {

bool isConsoleOnly(QChar character)
{
    const char16_t code = character.unicode();
    return code < 32 || (code >= 127 && code < glyphs::Count);
}

// Rows are bytes, so nothing above 255 should turn up; if it does, it shows as '?'.
int glyphCode(QChar character)
{
    const char16_t code = character.unicode();
    return code < glyphs::Count ? code : '?';
}

} // namespace

bool GlyphRowDelegate::drawsAsGlyphs(QStringView text)
{
    return std::any_of(text.begin(), text.end(), isConsoleOnly);
}

void GlyphRowDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (!drawsAsGlyphs(text)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The style draws the row without its text (background, selection, focus); the
    // glyphs go where the text would have been.
    QStyleOptionViewItem row = option;
    initStyleOption(&row, index);
    row.text.clear();
    // Without text the style would size the selection to nothing; highlight the row.
    row.showDecorationSelected = true;
    const QWidget* view = option.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &row, painter, view);
    // The same margin the style leaves around plain text, so both kinds of row line up.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &row, view);
    paintGlyphs(painter, area.adjusted(margin, 0, -margin, 0), text);
}

QSize GlyphRowDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return {size.width(), std::max(size.height(), int(glyphs::PictureSize))};
}

void GlyphRowDelegate::paintGlyphs(QPainter* painter, const QRect& area, QStringView text)
{
    // Whole multiples of the picture keep every cell pixel the same size.
    const int scale = area.height() / glyphs::PictureSize;
    const int side = scale > 0 ? scale * glyphs::PictureSize : area.height();
    painter->save();
    painter->setClipRect(area, Qt::IntersectClip);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, false); // crisp, as on the console
    QRect cell(area.left(), area.top() + (area.height() - side) / 2, side, side);
    for (const QChar character : text) {
        if (cell.left() > area.right())
            break;
        painter->drawImage(cell, glyphs::picture(glyphCode(character)));
        cell.translate(side, 0);
    }
    painter->restore();
}
