#pragma once
// The main window: a multi-document workspace holding the editor documents, the trace
// window and the motion calculator, with the menus, toolbar, status bar, layouts, fonts,
// printing, help and the state file.

#include <QFont>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include "commands/command_registry.h"
#include "language/state_file.h"
#include "workspace/help_viewer.h"
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolButton;

namespace orvant {

class Operator;
class Session;
class TMDIChild;
class TTraceWin;

// One menu item of the main window, as the menu table declares it.
struct MenuItemSpec {
    int menu;         // index into the ten main menus
    const char* name; // objectName of the QAction
    const char* caption;
    const char* shortcut;       // "" when none
    const char* hiddenShortcut; // second shortcut of a hidden item with the same handler
    int helpContext;            // 0 when none
    const char* handler;        // slot name
    bool separatorAfter;
};

// The ten main menus: objectName, caption and help context.
struct MainMenuSpec {
    const char* name;
    const char* caption;
    int helpContext;
};

// One button of the speed bar: objectName, hint ("short|long"), handler, enabled at start.
struct ToolButtonSpec {
    const char* name;
    const char* hint;
    const char* handler;
    bool enabled;
};

const std::vector<MainMenuSpec>& MainMenuTable();
const std::vector<ToolButtonSpec>& ToolButtonTable();
const std::vector<MenuItemSpec>& MenuItemTable();

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(Session& session, Operator& op, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- wiring for the other parts -----------------------------------------------------
    void SetPanelText(int panel, const QString& text);
    QString PanelText(int panel) const;
    const QList<QMenu*>& MainMenus() const { return mainMenus_; }
    void SetMainMenusEnabled(bool enabled);
    QAction* Action(const QString& name) const;
    QToolButton* Button(const QString& name) const;

    std::function<void()> serialInitHook; // end of LoadConfig when AutoInit is set
    std::function<void()> closePortHook;  // last step of a completed shut-down

    // The menu commands that are not slots of this window, and the one-at-a-time rule that
    // every menu item and toolbar button obeys.
    CommandRegistry& Commands() { return commands_; }
    // Runs a menu item's or toolbar button's handler: a slot of this window or a registered
    // command. False when it did not run (another command is running, or nothing is wired).
    bool RunMenuCommand(const QByteArray& handler);
    // True when `handler` names a public slot of this window.
    bool HasSlot(const char* handler) const;

    // --- workspace -------------------------------------------------------------------------
    QMdiArea* MdiArea() const { return mdiArea_; }
    TTraceWin* TraceWin() const { return traceWin_; }
    TTraceWin* CreateTraceWindow(); // start-up: width 155, top 1, normal state
    TMDIChild* CreateMDIChild();
    TMDIChild* ActiveDocument() const; // the active child when it is an editor document
    QList<TMDIChild*> Documents() const;
    int ChildCount() const;
    // Children in next-window order, starting with the active one.
    QList<QMdiSubWindow*> VisitOrder() const;
    int ClientWidth() const;
    // A child's rectangle in its normal state, also while it is minimised or maximised.
    static QRect NormalGeometry(const QMdiSubWindow* window);
    int ClientHeight() const;

    int LayoutMode = 1; // 1 tiled, 2 cascaded, 3 maximized, 0 none applied yet
    int PreviousLayoutMode = 0;

    void ReapplyLayout();
    void DockTraceWindow();
    void UpdateMenuItems();

    // Whole-script check of the active document; true when it passed.
    bool CheckActWin(bool reportSuccess);

    bool SaveConfig();
    void LoadConfig();
    // True once a shut-down has completed (the main window closed for good).
    bool IsShutDown() const { return shutDownDone_; }

    // What Print put into the print buffer last: header, empty line, text.
    QStringList PrintBufferLines() const { return printBuffer_; }
    QString PrintJobTitle() const { return printJobTitle_; }
    QFont EditorFont() const { return editorFont_; }
    QFont TraceFont() const { return traceFont_; }

    void ShowHelp(int context);
    THelpViewer* HelpViewer() const { return helpViewer_; }

    // Asks every document, writes the state file; false when the shut-down must stop.
    bool CloseQuery();

public slots:
    void SetTraceLine(const QString& line); // to TTraceWin::AppendTraceLine

    // File
    void FileNewItemClick();
    void FileOpenItemClick();
    void FileCloseItemClick();
    void FileSaveItemClick();
    void FileSaveAsItemClick();
    void SaveTraceBuffer1Click();
    void PrintBtnClick();
    void CheckActiveWin1Click();
    void FileExitItemClick();
    // Edit
    void Undo1Click();
    void EditCut();
    void EditCopy();
    void EditPaste();
    void Font1Click();
    void TraceFont1Click();
    // Window
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void Maximizewindow1Click();
    void NextWindow1Click();
    void PreviousWindow1Click();
    void WindowMinimizeItemClick();
    void WindowArrangeItemClick();
    void Trace1Click();
    void ClearTracewindow1Click();
    // Help
    void Help2Click();
    void HelpAboutItemClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildMenus();
    void BuildToolBar();
    void BuildStatusBar();
    void FitPanelWidth(int panel);
    void FillWindowList();
    void PrintLines(QPrinter& printer, const QFont& font);
    TMDIChild* AddDocumentWindow(); // hidden and not activated
    // Reopens the state file's documents; returns the last one reopened.
    TMDIChild* ReopenDocuments(const std::vector<WindowRecord>& records);
    // A stored rectangle kept within the workspace.
    QRect StoredGeometry(const WindowRecord& record) const;

    Session& session_;
    Operator& op_;
    CommandRegistry commands_;
    QMdiArea* mdiArea_ = nullptr;
    TTraceWin* traceWin_ = nullptr;
    QList<QMenu*> mainMenus_;
    QMenu* windowMenu_ = nullptr;
    QList<QAction*> windowListActions_;
    QHash<QString, QToolButton*> toolButtons_;
    std::vector<WindowRecord> reopenRecords_; // the state file's documents during LoadConfig
    std::size_t reopenNext_ = 0;              // the first of them not reopened yet
    static constexpr int kFixedPanelWidths[2] = {200, 140}; // least widths of panels 0, 1
    QLabel* panels_[3] = {};
    QFont editorFont_;
    QFont traceFont_;
    QStringList printBuffer_;
    QString printJobTitle_;
    QString openDirectory_;
    QPointer<THelpViewer> helpViewer_;
    bool destroying_ = false;
    bool shutDownDone_ = false;
};

} // namespace orvant
