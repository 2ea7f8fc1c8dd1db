#include "keymap/keyboardmapwindow.h"

#include "keymap/desktoplayout.h"
#include "keymap/keyboardlayout.h"
#include "keymap/keyboardmapview.h"
#include "keymap/keymaprows.h"
#include "keymap/keymapscene.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// A tool window with a title and a close box, kept out of the taskbar; unlike the command
// list it can be resized, and the keyboard grows with it.
constexpr Qt::WindowFlags WindowStyle = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                      | Qt::WindowCloseButtonHint;

} // namespace

KeyboardMapWindow::KeyboardMapWindow(QWidget* mainWindow, const KeymapRows& rows, const keymap::KeymapEngine& engine,
                                     const QString& layout)
    : SideWindow(mainWindow, WindowStyle),
      m_rows(rows),
      m_engine(engine),
      m_layout(layout.isEmpty() ? keymap::desktopKeyboardLayout() : layout)
{
    createControls();
    if (QAbstractItemModel* model = rows.model()) {
        // Any change may move a binding, kill one or bring one back: the rows are read
        // again, once for however many signals arrive together.
        connect(model, &QAbstractItemModel::rowsInserted, this, &KeyboardMapWindow::scheduleRefresh);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &KeyboardMapWindow::scheduleRefresh);
        connect(model, &QAbstractItemModel::dataChanged, this, &KeyboardMapWindow::scheduleRefresh);
        connect(model, &QAbstractItemModel::modelReset, this, &KeyboardMapWindow::scheduleRefresh);
    }
    rebuildScene();
    refresh();
}

KeyboardMapWindow::~KeyboardMapWindow() = default;

void KeyboardMapWindow::createControls()
{
    setWindowTitle(QStringLiteral("Keyboard Map"));
    auto* client = new QWidget(this);
    setCentralWidget(client);

    m_txtSearch = new QLineEdit(client);
    m_txtSearch->setObjectName(QStringLiteral("txtSearch"));
    m_txtSearch->setPlaceholderText(QStringLiteral("Which keys run…"));
    m_txtSearch->setClearButtonEnabled(true);
    m_cboLayout = new QComboBox(client);
    m_cboLayout->setObjectName(QStringLiteral("cboLayout"));
    m_cboLayout->setEditable(true);
    m_cboLayout->addItems(keymap::KeyboardLayout::commonLayouts());
    m_cboLayout->setCurrentText(m_layout);
    m_view = new KeyboardMapView(client);
    m_view->setObjectName(QStringLiteral("keyboardMap"));
    m_lblStatus = new QLabel(client);
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    addDockedBox(client, QRect());

    auto* top = new QHBoxLayout;
    top->addWidget(m_txtSearch, 1);
    top->addWidget(new QLabel(QStringLiteral("Layout:"), client));
    top->addWidget(m_cboLayout);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_lblStatus, 1);
    bottom->addWidget(chkDocked());
    auto* column = new QVBoxLayout(client);
    column->addLayout(top);
    column->addWidget(m_view, 1);
    column->addLayout(bottom);

    connect(m_txtSearch, &QLineEdit::textChanged, this, &KeyboardMapWindow::updateScene);
    // A layout is loaded when one is picked or a typed name is finished, not at every letter
    // of a name being typed.
    connect(m_cboLayout, &QComboBox::textActivated, this, &KeyboardMapWindow::setKeyboardLayout);
    connect(m_cboLayout->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { setKeyboardLayout(m_cboLayout->currentText()); });
    connect(m_view, &KeyboardMapView::keyClicked, this, &KeyboardMapWindow::keyClicked);
    connect(m_view, &KeyboardMapView::rowChosen, this, &KeyboardMapWindow::rowChosen);
    connect(m_view, &KeyboardMapView::rowActivated, this, &KeyboardMapWindow::rowActivated);
    resize(960, 420);
}

void KeyboardMapWindow::setEngine(const keymap::KeymapEngine& engine)
{
    m_engine = engine;
    rebuildScene();
    refresh();
}

void KeyboardMapWindow::setKeyboardLayout(const QString& layout)
{
    if (layout.trimmed().isEmpty() || layout == m_view->scene()->layoutName())
        return;
    m_layout = layout.trimmed();
    if (m_cboLayout->currentText() != m_layout)
        m_cboLayout->setCurrentText(m_layout);
    rebuildScene();
    updateScene();
}

QString KeyboardMapWindow::keyboardLayout() const
{
    return m_layout;
}

void KeyboardMapWindow::rebuildScene()
{
    const keymap::KeyboardLayout layout(m_layout);
    m_layoutLoaded = layout.isLoaded();
    m_view->setScene(std::make_unique<keymap::KeymapScene>(m_engine, layout));
}

void KeyboardMapWindow::scheduleRefresh()
{
    // Queued, so that the list's problems, which follow the same signals, are up to date.
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &KeyboardMapWindow::refresh, Qt::QueuedConnection);
}

void KeyboardMapWindow::refresh()
{
    m_refreshPending = false;
    m_model.reset(
        m_rows.count(), [this](qsizetype row, QByteArray& scratch) { return m_rows.row(row, scratch); },
        m_engine.physicalCharacters);
    updateScene();
}

void KeyboardMapWindow::updateScene()
{
    keymap::KeymapScene* scene = m_view->scene();
    const QByteArray search = m_txtSearch->text().toLatin1();
    scene->update(
        m_model, [this](int row) { return m_rows.problem(row); }, search);
    m_view->sceneChanged();
    const qsizetype lit = std::ranges::count_if(scene->keys(), &keymap::SceneKey::lit);
    const qsizetype bound = std::ranges::count_if(scene->keys(),
                                                  [](const keymap::SceneKey& key) { return key.row >= 0; });
    QString status = QStringLiteral("%1 keys bound").arg(bound);
    if (!search.trimmed().isEmpty())
        status += QStringLiteral(", %1 run %2").arg(lit).arg(m_txtSearch->text().trimmed());
    if (!scene->unplacedKeys().isEmpty())
        status += QStringLiteral("; not on the map: %1").arg(QString::fromLatin1(scene->unplacedKeys().join(", ")));
    if (!m_layoutLoaded)
        status += QStringLiteral("; layout %1 not found, shown as US").arg(m_layout);
    m_lblStatus->setText(status);
}
