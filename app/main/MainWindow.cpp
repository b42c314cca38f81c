// SPDX-License-Identifier: MIT
#include "app/main/MainWindow.h"

#include "app/access/Accessibility.h"
#include "app/companions/ExploreWindow.h"
#include "app/companions/PracticeWindow.h"
#include "app/companions/ProjectorWindow.h"
#include "app/companions/ValueTableWindow.h"
#include "app/dialogs/EquationDialog.h"
#include "app/dialogs/WorksheetDialogs.h"
#include "app/form/Form1.h"
#include "app/form/PointPlacer.h"
#include "app/main/MenuTable.h"
#include "app/main/PointMenu.h"
#include "app/session/BoardSession.h"
#include "app/session/Recovery.h"
#include "app/session/Settings.h"
#include "app/session/Startup.h"
#include "app/words/Messages.h"
#include "app/words/Speech.h"
#include "lesson/LessonFile.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QShortcut>

#include <functional>

using namespace Qt::StringLiterals;

namespace zelmora {
namespace {

constexpr qsizetype recentCount = 8;

// The catalogue's context for the 表示 marks' captions, which the board's table of marks holds.
struct MarkCaption {
    Q_DECLARE_TR_FUNCTIONS(ShowMarks)
};

// The file dialogs' filter for lessons.
QString lessonFilter()
{
    return MainWindow::tr("Zelmora の授業 (*.zelmora);;すべてのファイル (*)");
}

// While undo or redo has nothing to do, its item is off and its keys go to this shortcut, which
// says so.
QShortcut* nothingToDo(QAction* item, QWidget* window, const std::function<QString()>& said, Form1* form)
{
    auto* keys = new QShortcut(window);
    keys->setKeys(item->shortcuts());
    keys->setContext(Qt::ApplicationShortcut);
    QObject::connect(keys, &QShortcut::activated, form, [form, said] { form->announce(said()); });
    QObject::connect(item, &QAction::enabledChanged, keys, [keys](bool enabled) { keys->setEnabled(!enabled); });
    keys->setEnabled(!item->isEnabled());
    return keys;
}

// Where a member of ShowOptions stands in ShowMarks and the 表示 menu.
constexpr std::size_t markIndex(bool ShowOptions::*member)
{
    for (std::size_t k = 0; k < ShowMarks.size(); ++k) {
        if (ShowMarks[k].Member == member)
            return k;
    }
    return 0;
}

// A companion window follows its menu item: made when the item is checked (or chosen, when the
// item only opens it, as 練習する does), deleted when it closes (which unchecks the item), closed
// when the item is unchecked; while open, it follows the session's board. The window to show, or
// none. The connections name only what outlives the window, so that nothing reaches back into a
// main window being destroyed around it.
template <typename Window, typename Make>
Window* companion(QAction* item, QPointer<Window>& window, const BoardSession* session, Make make)
{
    if (item->isCheckable() && !item->isChecked()) {
        if (window)
            window->close();
        return nullptr;
    }
    if (!window) {
        window = make();
        window->setAttribute(Qt::WA_DeleteOnClose);
        CompanionWindow* made = window.data();
        QObject::connect(
            session, &BoardSession::boardChanged, made, [session, made] { made->showBoard(session->board()); });
        QObject::connect(window.data(), &QObject::destroyed, item, [item] { item->setChecked(false); });
    }
    return window.data();
}

// A dropped or given lesson is a local file.
QString localFileOf(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().isEmpty() || !data->urls().front().isLocalFile())
        return {};
    return data->urls().front().toLocalFile();
}

} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , Session(new BoardSession(Recovery::defaultFolder(), this))
    , Form(new Form1(Session, this))
    , Input(new InputKind(this))
{
    setObjectName(u"MainWindow"_s);
    setCentralWidget(Form);
    buildMenus();
    // The form keeps its size; the window is the form and the menu bar, and is not resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setAcceptDrops(true);
    // The entry boxes keep their editing keys, but the menu's shortcuts reach the menu from them too:
    // Ctrl+E would otherwise move to the end of the line.
    for (QLineEdit* box : Form->findChildren<QLineEdit*>())
        box->installEventFilter(this);
    connect(Session, &BoardSession::recoveryUnwritable, this,
        [this] { Form->showMessage(messages::recoveryUnwritable()); });
    connect(Form, &QWidget::windowTitleChanged, this, [this] { updateCaption(); });
    connect(Session, &BoardSession::boardChanged, this, &MainWindow::boardChanged);
    boardChanged();
}

QString MainWindow::fileName() const
{
    return Session->fileName();
}

// The menus, in their order, from which the menu bar, its keys and the usage text's list of keys
// are made.
std::vector<MenuRow> MainWindow::menuRows()
{
    using enum MenuOf;
    const auto key = [](QKeyCombination keys) { return QList<QKeySequence>{QKeySequence(keys)}; };
    const auto standard = [](QKeySequence::StandardKey keys) { return QList<QKeySequence>{QKeySequence(keys)}; };
    std::vector<MenuRow> rows{
        {.Menu = File,
            .Caption = tr("新規(&N)"),
            .Name = u"New"_s,
            .Keys = standard(QKeySequence::New),
            .Does = [this] { newLesson(); }},
        {.Menu = File,
            .Caption = tr("開く(&O)…"),
            .Name = u"Open"_s,
            .Keys = standard(QKeySequence::Open),
            .Does = [this] { chooseAndOpen(); }},
        {.Menu = File,
            .Caption = tr("上書き保存(&S)"),
            .Name = u"Save"_s,
            .Keys = standard(QKeySequence::Save),
            .Does = [this] { save(); }},
        {.Menu = File,
            .Caption = tr("名前を付けて保存(&A)…"),
            .Name = u"SaveAs"_s,
            .Keys = key(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
            .Does = [this] { saveAs(); }},
        {.Menu = File},
        {.Menu = File,
            .Caption = tr("図を書き出す(&E)…"),
            .Name = u"Export"_s,
            .Keys = key(Qt::CTRL | Qt::Key_E),
            .Does = [this] { exportPicture(); }},
        {.Menu = File,
            .Caption = tr("印刷(&P)…"),
            .Name = u"Print"_s,
            .Keys = standard(QKeySequence::Print),
            .Does = [this] { printPicture(); }},
        {.Menu = File},
        {.Menu = File, .Caption = tr("最近使ったファイル(&R)"), .Part = [this](QMenu* menu) { buildRecentMenu(menu); }},
        {.Menu = File,
            .Caption = tr("前回の線を開く(&L)"),
            .Name = u"OpenLastBoard"_s,
            .Does = [this] { openLastBoard(); },
            .Kept = &LastBoardAction},
        {.Menu = File},
        {.Menu = File,
            .Caption = tr("終了(&X)"),
            .Name = u"Quit"_s,
            .Keys = key(Qt::CTRL | Qt::Key_Q),
            .Does = [this] { close(); }},

        // Undo and redo are named by the step they would take once there is one.
        {.Menu = Edit,
            .Caption = messages::undoText({}),
            .Name = u"Undo"_s,
            .Keys = key(Qt::CTRL | Qt::Key_Z),
            .Does = [this] { undo(); },
            .Kept = &UndoAction},
        {.Menu = Edit,
            .Caption = messages::redoText({}),
            .Name = u"Redo"_s,
            .Keys = {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            .Does = [this] { redo(); },
            .Kept = &RedoAction},
        {.Menu = Edit},
        // Ctrl+E already exports the picture.
        {.Menu = Edit,
            .Caption = tr("式で入力(&Q)…"),
            .Name = u"TypeEquation"_s,
            .Keys = key(Qt::CTRL | Qt::SHIFT | Qt::Key_E),
            .Does = [this] { typeEquation(); }},
        {.Menu = Edit,
            .Part =
                [this](QMenu* menu) {
                    addPointItems(menu, Form, this);
                    connect(Form->pointPlacer(), &PointPlacer::activeChanged, this, &MainWindow::updateCaption);
                }},
        // The picture's own copy action, with its keys, so that both places do the one thing.
        {.Menu = Edit, .Caption = tr("図をコピー(&C)"), .Adopted = Form->copyPictureAction()},
    };
    // The marks the unit draws, each switched on and off, remembered across runs.
    for (std::size_t k = 0; k < ShowMarks.size(); ++k) {
        rows.push_back({.Menu = View,
            .Caption = MarkCaption::tr(ShowMarks[k].Caption),
            .Name = QString::fromLatin1(ShowMarks[k].Name),
            .Does = [this, k] { showOptionsChosen(k); },
            .Checkable = true,
            .Kept = &ShowActions[k]});
    }
    rows.insert(rows.end(),
        {
            {.Menu = View},
            {.Menu = View,
                .Caption = tr("値の表(&T)"),
                .Name = u"ValueTable"_s,
                .Keys = key(Qt::CTRL | Qt::Key_T),
                .Does = [this] { toggleValueTable(); },
                .Checkable = true,
                .Kept = &ValueTableAction},
            {.Menu = View,
                .Caption = tr("値の表をウィンドウに付ける(&D)"),
                .Name = u"DockValueTable"_s,
                .Does = [this] { dockValueTableChosen(); },
                .Checkable = true,
                .Kept = &DockValueTableAction},
            {.Menu = View, .Part = [this](QMenu* menu) { addTablePointsItem(menu, Form); }},
            {.Menu = View,
                .Caption = tr("動かして調べる(&M)"),
                .Name = u"Explore"_s,
                .Keys = key(Qt::CTRL | Qt::Key_M),
                .Does = [this] { toggleExplore(); },
                .Checkable = true,
                .Kept = &ExploreAction},
            {.Menu = View,
                .Caption = tr("大きく映す(&P)"),
                .Name = u"Projector"_s,
                .Keys = {QKeySequence(Qt::Key_F5)},
                .Does = [this] { toggleProjector(); },
                .Checkable = true,
                .Kept = &ProjectorAction},
            {.Menu = View},
            {.Menu = View, .Caption = tr("言語(&G)"), .Part = [this](QMenu* menu) { buildLanguageMenu(menu); }},

            {.Menu = Practice,
                .Caption = tr("練習する(&P)…"),
                .Name = u"Practise"_s,
                .Keys = key(Qt::CTRL | Qt::Key_R),
                .Does = [this] { showPractice(nullptr); },
                .Kept = &PracticeAction},
            {.Menu = Practice,
                .Caption = tr("練習プリントを印刷(&S)…"),
                .Name = u"PrintPracticeSheet"_s,
                .Does = [this] { printWithPreview(this, Session->board(), true); }},

            {.Menu = Help,
                .Caption = tr("使い方(&H)"),
                .Name = u"Usage"_s,
                .Keys = standard(QKeySequence::HelpContents),
                .Does = [this] { showHelp(); }},
            {.Menu = Help,
                .Caption = tr("このプログラムについて(&A)"),
                .Name = u"About"_s,
                .Does = [this] { showAbout(); }},
        });
    return rows;
}

void MainWindow::buildMenus()
{
    Rows = menuRows();
    const std::array<QMenu*, 5> menus = buildMenuBar(menuBar(),
        {{{tr("ファイル(&F)"), u"FileMenu"_s}, {tr("編集(&E)"), {}}, {tr("表示(&V)"), u"ViewMenu"_s},
            {tr("練習(&R)"), u"PracticeMenu"_s}, {tr("ヘルプ(&H)"), {}}}},
        Rows, this);

    LastBoardAction->setEnabled(!Session->lastBoards().isEmpty());
    connect(menus[static_cast<std::size_t>(MenuOf::File)], &QMenu::aboutToShow, this,
        [this] { LastBoardAction->setEnabled(!Session->lastBoards().isEmpty()); });
    UndoAction->setEnabled(false);
    RedoAction->setEnabled(false);
    nothingToDo(UndoAction, this, &speech::nothingToUndo, Form)->setObjectName(u"NothingToUndo"_s);
    nothingToDo(RedoAction, this, &speech::nothingToRedo, Form)->setObjectName(u"NothingToRedo"_s);
    DockValueTableAction->setChecked(Settings::valueTableDocked());

    const ShowOptions options = Settings::showOptions();
    checkShowOptions(options);
    if (options.any())
        Session->perform([&options](Board& board) { return board.setShowOptions(options, false); });
}

// The lesson files opened or saved last, listed afresh each time the menu opens.
void MainWindow::buildRecentMenu(QMenu* menu)
{
    RecentMenu = menu;
    RecentMenu->setObjectName(u"RecentFiles"_s);
    connect(RecentMenu, &QMenu::aboutToShow, this, &MainWindow::fillRecentMenu);
    fillRecentMenu();
}

void MainWindow::undo()
{
    const auto step = Session->board().undoStep();
    Session->perform([](Board& board) { return board.undo(); });
    Form->announce(step ? speech::undone(Session->board(), *step) : speech::nothingToUndo());
}

void MainWindow::redo()
{
    const auto step = Session->board().redoStep();
    Session->perform([](Board& board) { return board.redo(); });
    Form->announce(step ? speech::redone(Session->board(), *step) : speech::nothingToRedo());
}

// The language the window speaks from the next start on; each language's name in itself. The
// window keeps the one it was started in.
void MainWindow::buildLanguageMenu(QMenu* menu)
{
    menu->setObjectName(u"LanguageMenu"_s);
    auto* group = new QActionGroup(menu);
    const struct {
        QString Caption;
        Language Which;
        QString Name;
    } languages[] = {{u"日本語(&J)"_s, Language::Japanese, u"LanguageJapanese"_s},
        {u"English(&E)"_s, Language::English, u"LanguageEnglish"_s}};
    const Language saved = Settings::language();
    for (const auto& language : languages) {
        QAction* action = menu->addAction(language.Caption);
        action->setShortcutContext(Qt::ApplicationShortcut);
        action->setObjectName(language.Name);
        action->setCheckable(true);
        action->setChecked(language.Which == saved);
        action->setStatusTip(messages::languageChosen(language.Which == Language::English));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, which = language.Which] {
            Settings::setLanguage(which);
            Form->showMessage(messages::languageChosen(which == Language::English));
        });
    }
}

void MainWindow::checkShowOptions(const ShowOptions& options)
{
    for (std::size_t k = 0; k < ShowMarks.size(); ++k)
        ShowActions[k]->setChecked(options.*ShowMarks[k].Member);
    // Which crossings matters only while they are shown.
    ShowActions[markIndex(&ShowOptions::CurrentCrossingsOnly)]->setEnabled(options.Intersections);
}

void MainWindow::showOptionsChosen(std::size_t chosen)
{
    ShowOptions options;
    for (std::size_t k = 0; k < ShowMarks.size(); ++k)
        options.*ShowMarks[k].Member = ShowActions[k]->isChecked();
    Settings::setShowOptions(options);
    ShowActions[markIndex(&ShowOptions::CurrentCrossingsOnly)]->setEnabled(options.Intersections);
    Session->perform([&options](Board& board) { return board.setShowOptions(options); });
    const ShowMark& mark = ShowMarks[chosen];
    Form->announce(speech::markShown(mark.Member, options.*mark.Member));
    // The slope triangle has nothing to stand on along χ = h; the message area says so.
    const auto line = Session->board().line(Session->board().lineSlot());
    if (mark.Member == &ShowOptions::Slope && options.Slope && line && line->Vertical)
        Form->showMessage(messages::noSlopeTriangle(Session->board().lineSlot()));
}

// The companion windows close themselves too (Esc, the window's close button); their menu items follow.
void MainWindow::toggleValueTable()
{
    ValueTableWindow* table = companion(ValueTableAction, ValueTable, Session, [this] {
        auto* made = new ValueTableWindow(this);
        placeValueTable(made);
        return made;
    });
    if (table == nullptr) {
        Form->announce(speech::valueTableClosed());
        return;
    }
    table->showBoard(Session->board());
    table->show();
    if (!ValueTableDock)
        table->raise();
    // Opened from the keyboard, the table takes the focus, which is how a screen reader hears it
    // open and can read it; opened with the mouse, it leaves the focus where the pupil types.
    if (Input->keyboardLast())
        table->takeFocus();
    else
        Form->announce(speech::valueTableOpened(Session->board().lineSlot()));
}

// The table covers none of the window's controls and stays on the screen: in a window of its own
// beside the main window, where the screen has room and the table is not asked to be docked; else
// docked on the right, the main window growing by its width and moving as far as it must to stay on
// the screen. A screen too small for the grown window has the table's own window over the far side
// of the picture instead, whatever is asked, and the main window stays as it is.
void MainWindow::placeValueTable(ValueTableWindow* table)
{
    const QScreen* shownOn = screen();
    const QRect available = shownOn ? shownOn->availableGeometry() : QRect(frameGeometry().topLeft(), QSize(1, 1));
    const QRect inside = geometry();
    const QRect frame = frameGeometry();
    // The table's own window gets a frame such as this window's.
    const QMargins frameMargins(inside.left() - frame.left(), inside.top() - frame.top(),
        frame.right() - inside.right(), frame.bottom() - inside.bottom());
    const QSize wanted = ValueTableWindow::Wanted.grownBy(frameMargins);
    const std::optional<int> docked
        = dockedValueTableWidth(frame, available, ValueTableWindow::Wanted.width(), ValueTableWindow::Least.width());
    const auto placeOwnWindow = [&](const std::optional<QRect>& beside) {
        const QWidget* picture = Form->findChild<QWidget*>(u"Picture1"_s);
        const QRect chosen = beside.value_or(
            valueTableOverPicture(QRect(picture->mapToGlobal(QPoint(0, 0)), picture->size()), available, wanted));
        table->resize(chosen.marginsRemoved(frameMargins).size());
        table->move(chosen.topLeft());
    };
    if (!DockValueTableAction->isChecked() || !docked) {
        const auto place = besideMainWindow(frame, available, wanted, ValueTableWindow::Least.grownBy(frameMargins));
        if (place || !docked) {
            placeOwnWindow(place);
            return;
        }
    }
    auto* dock = new QDockWidget(table->windowTitle(), this);
    dock->setObjectName(u"ValueTableDock"_s);
    dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock->setAllowedAreas(Qt::RightDockWidgetArea);
    table->setWindowFlags(Qt::Widget);
    int width = *docked;
    table->setFixedWidth(width);
    dock->setWidget(table);
    addDockWidget(Qt::RightDockWidgetArea, dock);
    connect(table, &QWidget::windowTitleChanged, dock, &QWidget::setWindowTitle);
    connect(table, &QObject::destroyed, dock, &QObject::deleteLater);
    ValueTableDock = dock;
    // Docked, its controls follow the form's in the window's Tab ring.
    Form->setTrailingStops(table->tabStops());
    connect(table, &QObject::destroyed, Form, [form = Form] { form->setTrailingStops({}); });
    // Shown now, so that the window takes its size at once and can be kept on the screen.
    table->show();
    dock->show();
    layout()->activate();
    // The dock's own edges take a few pixels more than the table: narrower by those, where it can.
    const int over = frameGeometry().right() - available.right();
    if (over > 0 && width > ValueTableWindow::Least.width()) {
        width = std::max(ValueTableWindow::Least.width(), width - over);
        table->setFixedWidth(width);
        layout()->activate();
    }
    if (frameGeometry().width() > available.width()) {
        // The dock's edges left the window wider than the screen after all: the table leaves it
        // for a window of its own over the picture, and the window takes its own size again.
        table->setParent(this, Qt::Window);
        delete dock;
        Form->setTrailingStops({});
        table->setMinimumSize(ValueTableWindow::Least);
        table->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        layout()->activate();
        placeOwnWindow(std::nullopt);
        return;
    }
    move(keptOnScreen(frameGeometry(), available));
}

// Tab from the docked table goes on round the form's ring.
bool MainWindow::focusNextPrevChild(bool next)
{
    if (ValueTableDock && ValueTableDock->isAncestorOf(QApplication::focusWidget()))
        return Form->moveFocus(QApplication::focusWidget(), next);
    return QMainWindow::focusNextPrevChild(next);
}

// The choice is kept for the next run; an open table moves there at once.
void MainWindow::dockValueTableChosen()
{
    Settings::setValueTableDocked(DockValueTableAction->isChecked());
    if (!ValueTable)
        return;
    if (ValueTableDock)
        delete ValueTableDock.data();
    else
        delete ValueTable.data();
    // The window back at its own size, for the table's new place to be found beside it.
    layout()->activate();
    ValueTableAction->setChecked(true);
    toggleValueTable();
}

void MainWindow::toggleExplore()
{
    ExploreWindow* explore = companion(ExploreAction, Explore, Session, [this] {
        auto* made = new ExploreWindow(Session->board(), this);
        connect(made, &ExploreWindow::commandAsked, Session, &BoardSession::perform);
        return made;
    });
    if (explore == nullptr)
        return;
    explore->showBoard(Session->board());
    explore->show();
    explore->raise();
    explore->activateWindow();
    explore->sayLine();
}

// 練習 in a window of its own, the board left as it is; a lesson's own tasks start at once.
void MainWindow::showPractice(const PracticeSet* set)
{
    PracticeWindow* practice
        = companion(PracticeAction, Practice, Session, [this] { return new PracticeWindow(this); });
    practice->show();
    practice->raise();
    practice->activateWindow();
    if (set != nullptr)
        practice->start(*set);
}

void MainWindow::toggleProjector()
{
    ProjectorWindow* projector = companion(
        ProjectorAction, Projector, Session, [this] { return new ProjectorWindow(Session->board(), this); });
    if (projector != nullptr)
        projector->showFullScreen();
}

// A board with no lesson file has nothing to mark: the caption is the form's alone.
void MainWindow::updateCaption()
{
    // The caption says when the picture places points rather than tracing lines.
    const QString caption = Form->windowTitle() + (Form->pointPlacer()->active() ? tr("（点をとる）") : QString());
    const QString file = fileName();
    if (file.isEmpty()) {
        setWindowTitle(caption);
        setWindowModified(false);
        return;
    }
    // "[*]" is where Qt puts the mark; a file name that holds it shows it as it is.
    QString name = QFileInfo(file).fileName();
    name.replace(u"[*]"_s, u"[*][*]"_s);
    setWindowTitle(
        tr("%1[*] — %2", "the lesson's file name, Qt's modified mark and the form's caption").arg(name, caption));
    setWindowModified(Session->board().isModified());
}

// After every command: the 編集 menu names what it would undo and redo, and the caption shows
// whether the lesson has changed.
void MainWindow::boardChanged()
{
    const Board& board = Session->board();
    checkShowOptions(board.showOptions());
    UndoAction->setText(messages::undoText(board.undoStep()));
    UndoAction->setEnabled(board.undoStep().has_value());
    RedoAction->setText(messages::redoText(board.redoStep()));
    RedoAction->setEnabled(board.redoStep().has_value());
    updateCaption();
}

// A lesson with changes not saved is not replaced, nor the program ended, before the teacher has
// said what becomes of the changes. A board without a file never asks: it is kept for the next run.
bool MainWindow::mayReplaceBoard()
{
    const QString file = fileName();
    if (file.isEmpty() || !Session->isModified())
        return true;
    QMessageBox question(QMessageBox::Warning, u"Zelmora"_s, messages::unsavedQuestion(QFileInfo(file).fileName()),
        QMessageBox::NoButton, this);
    question.setObjectName(u"UnsavedQuestion"_s);
    question.setInformativeText(messages::unsavedDetail());
    QPushButton* save = question.addButton(tr("保存する"), QMessageBox::AcceptRole);
    QPushButton* discard = question.addButton(tr("保存しない"), QMessageBox::DestructiveRole);
    QPushButton* cancel = question.addButton(tr("キャンセル"), QMessageBox::RejectRole);
    question.setDefaultButton(save);
    question.setEscapeButton(cancel);
    question.exec();
    if (question.clickedButton() == save)
        return saveTo(file);
    return question.clickedButton() == discard;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!mayReplaceBoard()) {
        event->ignore();
        return;
    }
    Session->flush();
    QMainWindow::closeEvent(event);
}

// 新規 does what 初期画面 does, and forgets the file.
void MainWindow::newLesson()
{
    if (!mayReplaceBoard())
        return;
    Session->perform([](Board& board) { return board.newBoard(); });
    Form->announce(speech::newLesson());
}

void MainWindow::openAsked(const QString& path)
{
    if (mayReplaceBoard())
        openFile(path);
}

// The newest board an earlier run left, as a board without a file; one that cannot be read is
// passed over for the next.
void MainWindow::openLastBoard()
{
    if (!mayReplaceBoard())
        return;
    if (Session->recoverLast()) {
        checkShowOptions(Session->board().showOptions());
        return;
    }
    Form->showMessage(messages::recoveryUnreadable());
}

void MainWindow::chooseAndOpen()
{
    if (!mayReplaceBoard())
        return;
    const QString file = fileName();
    const QString start = file.isEmpty() ? QString() : QFileInfo(file).absolutePath();
    const QString path = QFileDialog::getOpenFileName(this, tr("授業を開く"), start, lessonFilter());
    if (!path.isEmpty())
        openFile(path);
}

// A lesson that cannot be opened is told in a box of its own, which names the file and has room
// for the whole reason, where the message area under the panel would break it up.
void MainWindow::tellNotOpened(const QString& path, const QString& why)
{
    QMessageBox box(QMessageBox::Warning, u"Zelmora"_s, messages::lessonNotOpened(QFileInfo(path).fileName()),
        QMessageBox::Ok, this);
    box.setObjectName(u"LessonNotOpened"_s);
    box.setInformativeText(why);
    // Japanese has no spaces to wrap at, and the box would break the short reason mid-word: it
    // stands on one line.
    if (auto* reason = box.findChild<QLabel*>(u"qt_msgbox_informativelabel"_s))
        reason->setWordWrap(false);
    box.exec();
}

bool MainWindow::openFile(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const LessonOpening opening = Session->open(path);
    if (const auto* fault = std::get_if<LessonFault>(&opening)) {
        tellNotOpened(path, messages::lessonFault(*fault));
        return false;
    }
    if (const auto* refusal = std::get_if<LessonRefusal>(&opening)) {
        tellNotOpened(path, messages::lessonRefusal(*refusal));
        return false;
    }
    remember(absolute);
    // A lesson's own choice of marks wins; it is shown, not remembered for the next run.
    checkShowOptions(Session->board().showOptions());
    Form->announce(speech::lessonOpened(QFileInfo(path).fileName(), Session->board()));
    // The message area has room for one notice; several are listed together.
    if (const auto notices = lessonNotices(std::get<LessonOpened>(opening).Read); notices.size() > 1) {
        QMessageBox box(QMessageBox::Information, u"Zelmora"_s,
            messages::lessonOpenedWithNotices(QFileInfo(path).fileName()), QMessageBox::Ok, this);
        box.setObjectName(u"LessonNotices"_s);
        box.setInformativeText(messages::notices(notices));
        box.exec();
    }
    if (!Session->board().practice().empty())
        showPractice(&Session->board().practice());
    return true;
}

bool MainWindow::saveTo(const QString& path)
{
    if (const auto fault = Session->save(path)) {
        Form->showMessage(messages::lessonFault(*fault));
        // Not only in the small message area: a lesson not saved is told in a box naming the file.
        QMessageBox box(QMessageBox::Warning, u"Zelmora"_s, messages::lessonNotSaved(QFileInfo(path).fileName()),
            QMessageBox::Ok, this);
        box.setObjectName(u"LessonNotSaved"_s);
        box.setInformativeText(messages::lessonFault(*fault));
        box.exec();
        return false;
    }
    remember(QFileInfo(path).absoluteFilePath());
    Form->showMessage(messages::lessonSaved());
    return true;
}

void MainWindow::save()
{
    if (fileName().isEmpty())
        saveAs();
    else
        saveTo(fileName());
}

void MainWindow::saveAs()
{
    const QString suggested = fileName().isEmpty() ? tr("授業.zelmora") : fileName();
    QString path = QFileDialog::getSaveFileName(this, tr("名前を付けて保存"), suggested, lessonFilter());
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".zelmora"_s;
    saveTo(path);
}

void MainWindow::exportPicture()
{
    const QString name = fileName().isEmpty() ? tr("座標平面") : QFileInfo(fileName()).completeBaseName();
    const auto choice = askExport(this, name);
    if (!choice)
        return;
    const auto fault = writePicture(choice->Path, Session->board(), choice->Settings);
    Form->showMessage(fault ? messages::outputFault(*fault) : messages::pictureWritten());
}

void MainWindow::typeEquation()
{
    auto* dialog = new EquationDialog(this, [this](const QString& equation) -> std::optional<QString> {
        std::optional<QString> refused;
        const int slot = Session->board().currentSlot();
        Session->perform([&](Board& board) {
            Outcome outcome = board.typeEquation(equation.toStdString());
            // A refusal is the dialog's to show: the window stays as it was.
            if (outcome.Message && std::holds_alternative<EquationRefusal>(*outcome.Message)) {
                refused = messages::notice(std::get<EquationRefusal>(*outcome.Message));
                return Outcome{};
            }
            return outcome;
        });
        Form->announce(refused ? *refused : speech::lineDrawn(Session->board(), slot));
        return refused;
    });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    dialog->show();
}

void MainWindow::printPicture()
{
    printWithPreview(this, Session->board());
}

void MainWindow::showHelp()
{
    showUsage(this, menuKeys());
}

// The usage text's list of keys, from the menus' rows, so that it names every key the menus have.
QString MainWindow::menuKeys() const
{
    return keyList(Rows, tr("%1 %2", "a menu item's keys and its name, in the usage text's list of keys"),
        tr(" か ", "between two keys of one menu item"),
        tr("、", "between the menu items of the usage text's list of keys"));
}

void MainWindow::showAbout()
{
    QMessageBox::about(this, tr("Zelmora について"),
        tr("<p><b>Zelmora</b> %1</p><p>一次関数 y = aχ + b のグラフを座標平面にかく、中学生のためのプログラムです。</p>"
           "<p>MIT ライセンス</p>")
            .arg(QApplication::applicationVersion()));
}

QStringList MainWindow::recentFiles()
{
    return Settings::recentFiles();
}

void MainWindow::remember(const QString& path)
{
    QStringList recent = recentFiles();
    recent.removeAll(path);
    recent.prepend(path);
    Settings::setRecentFiles(recent.mid(0, recentCount));
    fillRecentMenu();
}

void MainWindow::fillRecentMenu()
{
    RecentMenu->clear();
    const QStringList recent = recentFiles();
    for (qsizetype k = 0; k < recent.size(); ++k) {
        const QString path = recent[k];
        QAction* action = RecentMenu->addAction(u"&%1 %2"_s.arg(k + 1).arg(QFileInfo(path).fileName()));
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path] { openAsked(path); });
    }
    RecentMenu->setEnabled(!recent.isEmpty());
}

// Undo and redo in a box whose typing can be undone act on the typing, as in any text field (with
// both redo keys); elsewhere they act on the board.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    if (auto* box = qobject_cast<QLineEdit*>(watched)) {
        const bool undoTyping = UndoAction->shortcuts().contains(pressed) && box->isUndoAvailable();
        const bool redoTyping = RedoAction->shortcuts().contains(pressed) && box->isRedoAvailable();
        if (undoTyping || redoTyping) {
            event->accept();
            if (event->type() == QEvent::KeyPress) {
                if (undoTyping)
                    box->undo();
                else
                    box->redo();
            }
            return true;
        }
    }
    if (event->type() == QEvent::ShortcutOverride) {
        for (const QAction* action : findChildren<QAction*>()) {
            if (action->shortcuts().contains(pressed)) {
                event->ignore();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!localFileOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = localFileOf(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openAsked(path);
}

} // namespace zelmora
