#pragma once

class QProgressBar;

// Counts items done on a progress bar, one at a time, but moves the bar only when it can
// show the difference: a million rows would otherwise cost a million repaints. When the
// counter goes, the bar shows the exact count.
class ProgressCounter
{
public:
    explicit ProgressCounter(QProgressBar& bar);
    ~ProgressCounter();
    ProgressCounter(const ProgressCounter&) = delete;
    ProgressCounter& operator=(const ProgressCounter&) = delete;

    void advance();

private:
    QProgressBar& m_bar;
    int m_value;
    int m_stride;
};
