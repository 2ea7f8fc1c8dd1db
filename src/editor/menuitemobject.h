#pragma once

#include "cmru.h"

#include <QPointer>

class QAction;

// Lets the recent-files list drive a menu action. Captions arrive as "&1  path" (one
// intended accelerator) or as a bare path; every other "&" in a path is shown as it is.
class MenuItemObject final : public tolvane::MenuObject
{
public:
    explicit MenuItemObject(QAction* action) : m_action(action) {}

    void setCaption(const QString& caption) override;
    void setVisible(bool visible) override;

    static QString menuText(const QString& caption);

private:
    QPointer<QAction> m_action;
};
