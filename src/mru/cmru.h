#pragma once

#include "tolvane_export.h"

#include <QByteArray>
#include <QString>

#include <exception>
#include <memory>

namespace tolvane {

// A menu item that a list is mirrored into. The list only ever sets these two properties;
// whatever an implementation throws from them is ignored.
class TOLVANE_EXPORT MenuObject
{
public:
    virtual ~MenuObject();
    virtual void setCaption(const QString& caption) = 0;
    virtual void setVisible(bool visible) = 0;
};

// Misuse of a list: a number from 1 to 6, the member that refused ("Tolvane::" + its name)
// and a fixed English description.
class TOLVANE_EXPORT MruError : public std::exception
{
public:
    MruError(int number, const QString& source, const QString& description);

    int number() const;
    // The interface-specific COM code, 0x80040000 + number, as a signed 32-bit value.
    long hresult() const;
    QString source() const;
    QString description() const;
    const char* what() const noexcept override;

private:
    int m_number;
    QString m_source;
    QString m_description;
    QByteArray m_what;
};

class cMRUPrivate;

// A fixed-size list of recently used paths for one application, position 1 the most recent,
// kept in the per-user store and written through on every change, and mirrored into menu
// items as "&1  path" captions. Positions count from 1; an empty string is an empty position.
class TOLVANE_EXPORT cMRU
{
public:
    cMRU();
    ~cMRU();
    cMRU(const cMRU&) = delete;
    cMRU& operator=(const cMRU&) = delete;

    QString AppName() const;
    void setAppName(const QString& name);
    void ListRemoveAll();
    void ListRemoveString(const QString& Index);
    void ListRemoveIndex(qint16 Index);
    QString List(qint16 Index) const;
    qint16 ListFilledCount() const;
    qint16 ListSize() const;
    // Sizes below 1 are ignored; 32767 throws std::overflow_error and changes nothing.
    void setListSize(qint16 size);
    void ListVerify();
    bool ListAdd(const QString& WhatFile);
    void setObjectDivider(std::shared_ptr<MenuObject> divider);
    void setObjectsList(qint16 Index, std::shared_ptr<MenuObject> item);
    bool ObjectsControlVisibility() const;
    void setObjectsControlVisibility(bool control);
    bool ObjectsUpdate() const;
    void setObjectsUpdate(bool update);

private:
    std::unique_ptr<cMRUPrivate> d;
};

} // namespace tolvane
