#include "shared/progresscounter.h"

#include <QProgressBar>
#include <algorithm>

ProgressCounter::ProgressCounter(QProgressBar& bar)
    : m_bar(bar),
      m_value(std::max(bar.value(), bar.minimum())),
      m_stride(std::max(1, (bar.maximum() - bar.minimum()) / std::max(1, bar.width())))
{
}

ProgressCounter::~ProgressCounter()
{
    m_bar.setValue(m_value);
}

void ProgressCounter::advance()
{
    ++m_value;
    if (m_value % m_stride == 0)
        m_bar.setValue(m_value);
}
