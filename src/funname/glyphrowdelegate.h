#pragma once

#include <QStyledItemDelegate>

// Draws binding rows that hold bytes plain text cannot show (control bytes other than the
// tab, and 127–255) with the console glyphs, so a fun name looks as it will in the game;
// other rows are drawn as plain text, their tabs opened up to tab stops.
class GlyphRowDelegate final : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static bool drawsAsGlyphs(QStringView text);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Every row is at least one glyph high, so glyphs are drawn whole and never squeezed
    // (the view may take one row's height for all); a glyph row is as wide as its glyphs.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    static void paintGlyphs(QPainter* painter, const QRect& area, QStringView text, bool selected);
};
