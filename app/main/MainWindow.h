// SPDX-License-Identifier: MIT
#pragma once

#include "app/main/MenuTable.h"
#include "board/ShowOptions.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <array>
#include <vector>

class QAction;
class QDockWidget;
class QMenu;

namespace zelmora {

class BoardSession;
class ExploreWindow;
class InputKind;
class PracticeWindow;
struct PracticeSet;
class Form1;
class ProjectorWindow;
class ValueTableWindow;

// The program's main window: the form as its central widget, unchanged, and a menu bar above it
// for lesson files, worksheets, undo and help. Its caption is the form's, after the name of the
// lesson file when one is open, marked "*" while the board differs from that file; before such a
// board is replaced or the program ends, the window asks whether to save it. Lessons open from the
// menu, the recent-files list, the command line and by dropping a file on the window. A copy of
// the board is kept for the next run, in case this one ends without warning.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    BoardSession* session() const { return Session; }
    Form1* form() const { return Form; }
    // The lesson file open now, or empty.
    QString fileName() const;

    // Opens a lesson file in place of the board; a bad file changes nothing and says why in a
    // message box that names it.
    bool openFile(const QString& path);
    // Saves the board as a lesson file, atomically; a failure leaves any old file and says why.
    bool saveTo(const QString& path);

    // The last eight lesson files opened or saved, the newest first.
    static QStringList recentFiles();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    std::vector<MenuRow> menuRows();
    void buildMenus();
    void buildRecentMenu(QMenu* menu);
    void undo();
    void redo();
    void newLesson();
    void chooseAndOpen();
    void openAsked(const QString& path);
    void tellNotOpened(const QString& path, const QString& why);
    void openLastBoard();
    bool mayReplaceBoard();
    void boardChanged();
    void save();
    void saveAs();
    void exportPicture();
    void printPicture();
    void typeEquation();
    void showHelp();
    void showAbout();
    void buildLanguageMenu(QMenu* menu);
    void showOptionsChosen(std::size_t chosen);
    QString menuKeys() const;
    void checkShowOptions(const ShowOptions& options);
    void toggleValueTable();
    void placeValueTable(ValueTableWindow* table);
    void dockValueTableChosen();
    void toggleProjector();
    void toggleExplore();
    void showPractice(const PracticeSet* set);
    void remember(const QString& path);
    void fillRecentMenu();
    void updateCaption();

    BoardSession* Session = nullptr;
    Form1* Form = nullptr;
    // The menus' rows, in order, as the menu bar was made from them.
    std::vector<MenuRow> Rows;
    QMenu* RecentMenu = nullptr;
    QAction* LastBoardAction = nullptr;
    QAction* UndoAction = nullptr;
    QAction* RedoAction = nullptr;
    InputKind* Input = nullptr;
    // The 表示 menu's marks, in the order of ShowMarks.
    std::array<QAction*, ShowMarks.size()> ShowActions{};
    QAction* ValueTableAction = nullptr;
    QPointer<ValueTableWindow> ValueTable;
    QAction* DockValueTableAction = nullptr;
    // Holds the table while it is docked on the right.
    QPointer<QDockWidget> ValueTableDock;
    QAction* ExploreAction = nullptr;
    QPointer<ExploreWindow> Explore;
    QAction* ProjectorAction = nullptr;
    QPointer<ProjectorWindow> Projector;
    QAction* PracticeAction = nullptr;
    QPointer<PracticeWindow> Practice;
};

} // namespace zelmora
