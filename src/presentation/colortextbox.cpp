#include "presentation/colortextbox.h"

#include "shared/colorvalue.h"

#include <QApplication>

ColorTextBox::ColorTextBox(const QString& text, QWidget* parent)
    : QLineEdit(text, parent), m_foreColor(colorvalue::WindowText), m_backColor(colorvalue::WindowBackground)
{
    applyColors();
}

void ColorTextBox::setForeColor(quint32 value)
{
    m_foreColor = value;
    applyColors();
}

void ColorTextBox::setBackColor(quint32 value)
{
    m_backColor = value;
    applyColors();
}

void ColorTextBox::applyColors()
{
    setPalette(colorvalue::textPalette(palette(), m_foreColor, m_backColor, QApplication::palette(this)));
}
