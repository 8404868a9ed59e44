#include "workspace/tmain_form.h"

#include "commands/report_boxes.h"
#include "language/program_checker.h"
#include "language/session.h"
#include "language/state_file.h"
#include "link/operator.h"
#include "workspace/file_io.h"
#include "workspace/help_viewer.h"
#include "workspace/script_assist.h"
#include "workspace/tabout_box.h"
#include "workspace/tmdi_child.h"
#include "workspace/toolbar_glyphs.h"
#include "workspace/trace_view.h"
#include "workspace/ttrace_win.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace orvant {

namespace {

const ToolButtonSpec kToolButtons[] = {
    {"OpenBtn", "Open|", "FileOpenItemClick", true},
    {"SaveBtn", "Save|", "FileSaveItemClick", false},
    {"PrintBtn", "Print", "PrintBtnClick", true},
    {"CutBtn", "Cut|", "EditCut", false},
    {"CopyBtn", "Copy|", "EditCopy", false},
    {"PasteBtn", "Paste|", "EditPaste", false},
    {"TilleBtn", "Tille", "WindowTileItemClick", false},
    {"CascadeBtn", "Cascade", "WindowCascadeItemClick", false},
    {"MaximizeBtn", "Maximize Window", "Maximizewindow1Click", false},
    {"RunBtn", "Execute Active Win", "ExecuteActiveWin1Click", false},
    {"SpeedButton1", "Serial  Setup Dialog", "SetSerialClick", true},
    {"ExitBtn", "Exit|", "FileExitItemClick", true},
};

} // namespace

const std::vector<ToolButtonSpec>& ToolButtonTable() {
    static const std::vector<ToolButtonSpec> table(std::begin(kToolButtons),
                                                   std::end(kToolButtons));
    return table;
}

namespace {

QString HintText(const char* hint) {
    return QString(hint).section('|', 0, 0);
}

} // namespace

TMainForm::TMainForm(Session& session, Operator& op, QWidget* parent)
    : QMainWindow(parent), session_(session), op_(op), commands_(op) {
    setObjectName("MainForm");
    setWindowTitle("ORVANT PC Utilities ");
    setWindowIcon(ApplicationIcon());
    resize(469, 331);

    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName("ClientArea");
    mdiArea_->setActivationOrder(QMdiArea::CreationOrder);
    mdiArea_->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(mdiArea_);

    editorFont_ = QFont("MS Sans Serif");
    editorFont_.setPixelSize(11);
    traceFont_ = editorFont_;

    BuildMenus();
    BuildToolBar();
    BuildStatusBar();

    // Creation: the active-window notification, the open dialog's directory, the panels.
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] { UpdateMenuItems(); });
    openDirectory_ = QCoreApplication::applicationDirPath();
    SetPanelText(0, "  Type of MCU : unknown");
    SetPanelText(1, "Serial: no init");
    SetPanelText(2, QString::fromStdString(session_.AddressStatusText(false)));
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    destroying_ = true;
    qApp->removeEventFilter(this);
    if (helpViewer_)
        delete helpViewer_.data();
    // The children go while this window is still whole, so that their signals find it so.
    disconnect(mdiArea_, nullptr, this, nullptr);
    delete mdiArea_;
    mdiArea_ = nullptr;
    traceWin_ = nullptr;
}

// --- construction ---------------------------------------------------------------------------

void TMainForm::BuildMenus() {
    for (const auto& m : MainMenuTable()) {
        QMenu* menu = menuBar()->addMenu(m.caption);
        menu->setObjectName(m.name);
        menu->menuAction()->setObjectName(QString(m.name) + "Action");
        if (m.helpContext) {
            menu->setProperty("helpContext", m.helpContext);
            menu->menuAction()->setProperty("helpContext", m.helpContext);
        }
        menu->installEventFilter(this);
        mainMenus_ << menu;
    }
    windowMenu_ = mainMenus_[2];
    connect(windowMenu_, &QMenu::aboutToShow, this, &TMainForm::FillWindowList);

    for (const auto& item : MenuItemTable()) {
        QMenu* menu = mainMenus_[item.menu];
        QAction* action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        QList<QKeySequence> keys;
        if (*item.shortcut)
            keys << QKeySequence(item.shortcut);
        if (*item.hiddenShortcut) {
            keys << QKeySequence(item.hiddenShortcut);
            action->setProperty("hiddenShortcut", QString(item.hiddenShortcut));
        }
        action->setShortcuts(keys);
        if (item.helpContext)
            action->setProperty("helpContext", item.helpContext);
        action->setProperty("handler", QString(item.handler));
        const QByteArray handler(item.handler);
        connect(action, &QAction::triggered, this, [this, handler] { RunMenuCommand(handler); });
        if (item.separatorAfter)
            menu->addSeparator();
    }
    for (const char* name :
         {"FileSaveItem", "FileSaveAsItem", "EditCutItem", "EditCopyItem", "EditPasteItem"})
        Action(name)->setEnabled(false);
}

void TMainForm::BuildToolBar() {
    QToolBar* bar = addToolBar("SpeedBar");
    bar->setObjectName("SpeedBar");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const auto& b : ToolButtonTable()) {
        auto* button = new QToolButton;
        button->setObjectName(b.name);
        button->setToolTip(HintText(b.hint));
        button->setProperty("hint", QString(b.hint));
        button->setIcon(ToolGlyph(b.name));
        button->setAutoRaise(true);
        button->setEnabled(b.enabled);
        const QByteArray handler(b.handler);
        connect(button, &QToolButton::clicked, this, [this, handler] { RunMenuCommand(handler); });
        bar->addWidget(button);
        toolButtons_.insert(b.name, button);
    }
}

// Panels 0 (model) and 1 (link) start at their design widths and grow to the longest text
// they have shown, so that no model text is cut; panel 2 (the settings summary) takes the
// rest of the bar's width.
void TMainForm::BuildStatusBar() {
    statusBar()->setObjectName("StatusBar");
    for (int i = 0; i < 3; ++i) {
        panels_[i] = new QLabel;
        panels_[i]->setObjectName(QString("Panel%1").arg(i));
        panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
    for (int i = 0; i < 2; ++i) {
        panels_[i]->setFixedWidth(kFixedPanelWidths[i]);
        statusBar()->addWidget(panels_[i]);
    }
    // Its least width stays small, so a long summary never widens the window.
    panels_[2]->setMinimumWidth(90);
    panels_[2]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    statusBar()->addWidget(panels_[2], 1);
}

void TMainForm::FitPanelWidth(int panel) {
    if (panel < 0 || panel > 1)
        return;
    QLabel* label = panels_[panel];
    const int needed = label->sizeHint().width(); // the text, margins and frame
    if (needed > label->width() || label->width() < kFixedPanelWidths[panel])
        label->setFixedWidth(std::max(needed, kFixedPanelWidths[panel]));
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange && panels_[0] != nullptr) {
        // A new font measures the texts anew, from the design widths up.
        for (int i = 0; i < 2; ++i) {
            panels_[i]->setFixedWidth(kFixedPanelWidths[i]);
            FitPanelWidth(i);
        }
    }
}

// --- wiring ---------------------------------------------------------------------------------

void TMainForm::SetPanelText(int panel, const QString& text) {
    if (panel >= 0 && panel < 3) {
        panels_[panel]->setText(text);
        panels_[panel]->setToolTip(text);
        FitPanelWidth(panel);
    }
    // The model (panel 0) or the settings (panel 2) changed: the documents' checks start
    // from them, so each document checks itself again.
    if (panel == 0 || panel == 2)
        for (TMDIChild* doc : Documents())
            doc->Assist()->Schedule();
}

QString TMainForm::PanelText(int panel) const {
    return (panel >= 0 && panel < 3) ? panels_[panel]->text() : QString();
}

void TMainForm::SetMainMenusEnabled(bool enabled) {
    for (QMenu* m : mainMenus_)
        m->menuAction()->setEnabled(enabled);
}

QAction* TMainForm::Action(const QString& name) const {
    for (QMenu* m : mainMenus_)
        for (QAction* a : m->actions())
            if (a->objectName() == name)
                return a;
    return nullptr;
}

QToolButton* TMainForm::Button(const QString& name) const {
    // Looked up in the tool bar's own table: a search of the widget tree would visit every
    // document's widgets, and the buttons are looked up at each change of the active window.
    return toolButtons_.value(name, nullptr);
}

void TMainForm::SetTraceLine(const QString& line) {
    if (traceWin_)
        traceWin_->AppendTraceLine(line);
}

bool TMainForm::HasSlot(const char* handler) const {
    const QMetaObject* meta = metaObject();
    const int index = meta->indexOfSlot(QByteArray(handler) + "()");
    return index >= 0 && meta->method(index).access() == QMetaMethod::Public;
}

bool TMainForm::RunMenuCommand(const QByteArray& handler) {
    const std::string name = handler.toStdString();
    if (commands_.Contains(name))
        return commands_.Run(name);
    if (!HasSlot(handler.constData()))
        return false;
    return commands_.RunExclusive(
        [this, &handler] { QMetaObject::invokeMethod(this, handler.constData()); });
}

// --- children -------------------------------------------------------------------------------

TTraceWin* TMainForm::CreateTraceWindow() {
    if (!traceWin_) {
        traceWin_ = new TTraceWin(op_);
        traceWin_->Editor->setFont(traceFont_);
        mdiArea_->addSubWindow(traceWin_);
        traceWin_->installEventFilter(this);
        traceWin_->setWindowIcon(windowIcon());
        traceWin_->show();
    }
    QRect r = traceWin_->geometry();
    traceWin_->showNormal();
    traceWin_->setGeometry(r.x(), 1, 155, r.height());
    UpdateMenuItems();
    return traceWin_;
}

TMDIChild* TMainForm::AddDocumentWindow() {
    auto* child = new TMDIChild(op_);
    child->SetSession(&session_);
    mdiArea_->addSubWindow(child);
    child->installEventFilter(this);
    child->setWindowIcon(windowIcon());
    connect(child, &QObject::destroyed, this, [this] {
        if (!destroying_)
            QTimer::singleShot(0, this, [this] { UpdateMenuItems(); });
    });
    return child;
}

TMDIChild* TMainForm::CreateMDIChild() {
    TMDIChild* child = AddDocumentWindow();
    child->show();
    mdiArea_->setActiveSubWindow(child);
    UpdateMenuItems();
    return child;
}

TMDIChild* TMainForm::ActiveDocument() const {
    return qobject_cast<TMDIChild*>(mdiArea_->currentSubWindow());
}

QList<TMDIChild*> TMainForm::Documents() const {
    QList<TMDIChild*> out;
    for (QMdiSubWindow* w : mdiArea_->subWindowList(QMdiArea::CreationOrder))
        if (auto* d = qobject_cast<TMDIChild*>(w))
            out << d;
    return out;
}

int TMainForm::ChildCount() const {
    return static_cast<int>(mdiArea_->subWindowList().size());
}

QList<QMdiSubWindow*> TMainForm::VisitOrder() const {
    QList<QMdiSubWindow*> all = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    const qsizetype start = std::max<qsizetype>(0, all.indexOf(mdiArea_->currentSubWindow()));
    QList<QMdiSubWindow*> out;
    for (qsizetype i = 0; i < all.size(); ++i)
        out << all[(start + i) % all.size()];
    return out;
}

int TMainForm::ClientWidth() const {
    return width();
}

int TMainForm::ClientHeight() const {
    return height() - (menuBar()->isVisibleTo(this) ? menuBar()->height() : 0);
}

// --- enabling -------------------------------------------------------------------------------

void TMainForm::UpdateMenuItems() {
    if (destroying_)
        return;
    const int n = ChildCount();
    for (const char* name : {"FileCloseItem", "FileSaveItem", "FileSaveAsItem", "EditCutItem",
                             "EditCopyItem", "EditPasteItem", "WindowCascadeItem", "WindowTileItem",
                             "WindowArrangeItem", "WindowMinimizeItem"})
        Action(name)->setEnabled(n > 0);
    for (const char* name : {"SaveBtn", "CutBtn", "CopyBtn", "PasteBtn"})
        Button(name)->setEnabled(n > 0);
    for (const char* name : {"TilleBtn", "CascadeBtn", "MaximizeBtn"})
        Button(name)->setEnabled(n > 2);
    Button("RunBtn")->setEnabled(n > 1);
}

void TMainForm::FillWindowList() {
    for (QAction* a : windowListActions_) {
        windowMenu_->removeAction(a);
        delete a;
    }
    windowListActions_.clear();
    const auto windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    windowListActions_ << windowMenu_->addSeparator();
    int number = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a = windowMenu_->addAction(QString("&%1 %2").arg(number++).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == mdiArea_->currentSubWindow());
        QPointer<QMdiSubWindow> target(w);
        connect(a, &QAction::triggered, this, [this, target] {
            if (!target)
                return;
            if (target->isMinimized())
                target->showNormal();
            mdiArea_->setActiveSubWindow(target);
        });
        windowListActions_ << a;
    }
}

// --- layouts --------------------------------------------------------------------------------

void TMainForm::DockTraceWindow() {
    if (!traceWin_)
        return;
    const int w = traceWin_->width();
    traceWin_->setGeometry(ClientWidth() - w - 5, 1, w, ClientHeight() - 55);
}

void TMainForm::WindowTileItemClick() {
    PreviousLayoutMode = LayoutMode;
    LayoutMode = 1;
    DockTraceWindow();
    const int n = ChildCount();
    if (n < 2 || !mdiArea_->currentSubWindow() || !traceWin_)
        return;
    const int left = traceWin_->x();
    const int height = traceWin_->height();
    const int column = left / (n - 1);
    int x = 1;
    for (QMdiSubWindow* w : VisitOrder()) {
        if (!qobject_cast<TMDIChild*>(w))
            continue;
        if (w->isMinimized() || w->isMaximized())
            w->showNormal();
        w->setGeometry(x, 1, column, height);
        x += column;
    }
}

void TMainForm::WindowCascadeItemClick() {
    PreviousLayoutMode = LayoutMode;
    LayoutMode = 2;
    DockTraceWindow();
    const int n = ChildCount();
    if (n < 2 || !mdiArea_->currentSubWindow() || !traceWin_)
        return;
    const int d = (n - 2) * 20;
    const int width = traceWin_->x() - d;
    const int height = traceWin_->height() - d;
    int p = d + 1;
    for (QMdiSubWindow* w : VisitOrder()) {
        if (!qobject_cast<TMDIChild*>(w))
            continue;
        if (w->isMinimized() || w->isMaximized())
            w->showNormal();
        w->setGeometry(p, p, width, height);
        p -= 20;
    }
}

void TMainForm::Maximizewindow1Click() {
    if (LayoutMode == 3) {
        if (PreviousLayoutMode == 1)
            WindowTileItemClick();
        else if (PreviousLayoutMode == 2)
            WindowCascadeItemClick();
        return;
    }
    PreviousLayoutMode = LayoutMode;
    LayoutMode = 3;
    if (!traceWin_)
        return;
    traceWin_->setGeometry(traceWin_->x(), 1, traceWin_->width(), ClientHeight() - 55);
    TMDIChild* doc = ActiveDocument();
    if (ChildCount() > 1 && doc) {
        if (doc->isMinimized() || doc->isMaximized())
            doc->showNormal();
        doc->setGeometry(1, 1, ClientWidth() - traceWin_->width() - 5, traceWin_->height());
    }
}

void TMainForm::ReapplyLayout() {
    if (LayoutMode == 1)
        WindowTileItemClick();
    else if (LayoutMode == 2)
        WindowCascadeItemClick();
    else
        Maximizewindow1Click();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!destroying_)
        DockTraceWindow();
}

void TMainForm::NextWindow1Click() {
    mdiArea_->activateNextSubWindow();
}

void TMainForm::PreviousWindow1Click() {
    mdiArea_->activatePreviousSubWindow();
}

void TMainForm::WindowMinimizeItemClick() {
    const auto windows = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (qsizetype i = windows.size() - 1; i >= 0; --i)
        windows[i]->showMinimized();
}

void TMainForm::WindowArrangeItemClick() {
    // Minimised windows in a row along the bottom edge, wrapping upwards.
    const QRect area = mdiArea_->viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
        if (!w->isMinimized())
            continue;
        const QSize s = w->size();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            y -= rowHeight;
            rowHeight = 0;
        }
        if (rowHeight == 0)
            rowHeight = s.height();
        w->move(x, y - s.height());
        x += s.width();
    }
}

// --- file menu ------------------------------------------------------------------------------

void TMainForm::FileNewItemClick() {
    CreateMDIChild()->NewDocument();
    ReapplyLayout();
}

void TMainForm::FileOpenItemClick() {
    FileRequest request;
    request.filter = kScriptFilter;
    request.directory = openDirectory_;
    request.helpContext = 10102;
    const FileChoice choice = op_.chooseFile(request);
    if (choice.accepted && !choice.fileName.isEmpty()) {
        const QString name = WithFilterExtension(choice.fileName, choice.filterIndex);
        CreateMDIChild()->OpenDocument(name, choice.readOnly);
    }
    ReapplyLayout();
}

void TMainForm::FileCloseItemClick() {
    if (QMdiSubWindow* w = mdiArea_->currentSubWindow())
        w->close();
    UpdateMenuItems();
    ReapplyLayout();
}

void TMainForm::FileSaveItemClick() {
    if (TMDIChild* d = ActiveDocument())
        d->SaveDocument();
}

void TMainForm::FileSaveAsItemClick() {
    if (TMDIChild* d = ActiveDocument())
        d->SaveDocumentAs();
}

void TMainForm::SaveTraceBuffer1Click() {
    if (traceWin_)
        traceWin_->SaveTraceBuffer1Click();
}

void TMainForm::CheckActiveWin1Click() {
    CheckActWin(true);
}

bool TMainForm::CheckActWin(bool reportSuccess) {
    TMDIChild* doc = ActiveDocument();
    if (!doc)
        return false;
    const ProgramCheckReport report = CheckProgram(doc->Lines(), session_, reportSuccess);
    ShowProgramCheckReport(op_, report);
    return report.passed;
}

void TMainForm::FileExitItemClick() {
    close();
}

// --- edit menu ------------------------------------------------------------------------------

void TMainForm::Undo1Click() {
    if (TMDIChild* d = ActiveDocument())
        d->Editor->undo();
}

void TMainForm::EditCut() {
    if (TMDIChild* d = ActiveDocument())
        d->Editor->cut();
}

void TMainForm::EditCopy() {
    if (TMDIChild* d = ActiveDocument())
        d->Editor->copy();
}

void TMainForm::EditPaste() {
    if (TMDIChild* d = ActiveDocument())
        d->Editor->paste();
}

void TMainForm::Font1Click() {
    QFont font = editorFont_;
    if (!op_.chooseFont(font, 10204))
        return;
    editorFont_ = font;
    for (QMdiSubWindow* w : VisitOrder()) {
        auto* d = qobject_cast<TMDIChild*>(w);
        if (!d)
            continue;
        d->Editor->setFont(font);
        d->Editor->selectAll();
        QTextCharFormat format;
        format.setFont(font);
        d->Editor->textCursor().mergeCharFormat(format);
        d->SetCaretOffset(0);
        d->Editor->setFocus();
    }
}

void TMainForm::TraceFont1Click() {
    QFont font = traceFont_;
    if (!op_.chooseFont(font, 10205))
        return;
    traceFont_ = font;
    if (!traceWin_)
        return;
    traceWin_->Editor->setFont(font);
    traceWin_->Editor->ClearSelection();
    traceWin_->Editor->setFocus();
}

// --- window menu ----------------------------------------------------------------------------

void TMainForm::Trace1Click() {
    if (traceWin_)
        traceWin_->Trace1Click();
}

void TMainForm::ClearTracewindow1Click() {
    if (traceWin_)
        traceWin_->ClearTracewindow1Click();
}

// --- printing -------------------------------------------------------------------------------

void TMainForm::PrintBtnClick() {
    const QString stamp = QDateTime::currentDateTime().toString("dd. MM. yyyy   h:mm");
    QStringList lines;
    QString header;
    QFont font;
    QMdiSubWindow* active = mdiArea_->currentSubWindow();
    if (auto* d = qobject_cast<TMDIChild*>(active)) {
        header = stamp + "    " + d->FileName;
        for (const std::string& l : d->Lines())
            lines << QString::fromLatin1(l.data(), static_cast<qsizetype>(l.size()));
        font = d->Editor->font();
        printJobTitle_ = "ORV Win - " + d->FileName;
    } else if (active && active == traceWin_) {
        header = "Trace Window    " + stamp;
        for (std::size_t i = 0; i < traceWin_->Editor->LineCount(); ++i) {
            const auto l = traceWin_->Editor->Line(i);
            lines << QString::fromLatin1(l.data(), static_cast<qsizetype>(l.size()));
        }
        font = traceWin_->Editor->font();
        printJobTitle_ = "ORV Win - Trace Window";
    } else {
        return;
    }
    lines.prepend(QString());
    lines.prepend(header);
    printBuffer_ = lines;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(printJobTitle_);
    if (!op_.setUpPrinter(printer))
        return;
    PrintLines(printer, font);
}

void TMainForm::PrintLines(QPrinter& printer, const QFont& font) {
    // The page rectangle left 200, top 200, right 2100, bottom 3300 is in printer dots; it
    // is laid out at 300 dots per inch so that it describes the same area on any printer.
    printer.setResolution(300);
    printer.setDocName(printJobTitle_);
    QFont f = font;
    if (f.pixelSize() > 0)
        f.setPointSizeF(f.pixelSize() * 72.0 / 96.0);
    QPainter painter;
    if (!painter.begin(&printer)) {
        op_.showBox(BoxKind::Error, "Printing failed: the printer could not be opened.");
        return;
    }
    painter.setFont(f);
    painter.setPen(Qt::black);
    const QRect page(QPoint(200, 200), QPoint(2100, 3300));
    const QFontMetrics metrics(f, &printer);
    const int step = std::max(1, metrics.lineSpacing());
    int y = page.top();
    painter.setClipRect(page);
    for (const QString& line : printBuffer_) {
        if (y + step > page.bottom() + 1 && y > page.top()) {
            printer.newPage();
            painter.setClipRect(page);
            y = page.top();
        }
        painter.drawText(page.left(), y + metrics.ascent(), line);
        y += step;
    }
    if (!painter.end())
        op_.showBox(BoxKind::Error, "Printing failed.");
}

// --- help -----------------------------------------------------------------------------------

void TMainForm::ShowHelp(int context) {
    if (!helpViewer_) {
        helpViewer_ = new THelpViewer(this);
    }
    helpViewer_->ShowTopic(context);
}

void TMainForm::Help2Click() {
    ShowHelp(1);
}

void TMainForm::HelpAboutItemClick() {
    TAboutBox box(op_, this);
    op_.runDialog(box);
}

QRect TMainForm::NormalGeometry(const QMdiSubWindow* window) {
    if (window->isMinimized() || window->isMaximized()) {
        const QRect normal = window->property("restoredGeometry").toRect();
        if (normal.isValid())
            return normal;
    }
    return window->geometry();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // A child window that leaves the workspace without another one becoming active (a motion
    // calculator closed by its own button) still changes the child count.
    if (event->type() == QEvent::ChildRemoved && !destroying_ && mdiArea_ &&
        watched == mdiArea_->viewport())
        QTimer::singleShot(0, this, [this] { UpdateMenuItems(); });
    // The rectangle of a child in its normal state, kept for the state file while the
    // child is minimised or maximised.
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
        auto* window = qobject_cast<QMdiSubWindow*>(watched);
        if (window && !window->isMinimized() && !window->isMaximized())
            window->setProperty("restoredGeometry", window->geometry());
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        // F1 on a highlighted menu item opens the item's topic.
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            int context = 0;
            if (QAction* a = menu->activeAction())
                context = a->property("helpContext").toInt();
            if (!context)
                context = menu->property("helpContext").toInt();
            if (context) {
                for (QWidget* w = menu; w; w = qobject_cast<QMenu*>(w->parentWidget()))
                    w->close();
                menuBar()->setActiveAction(nullptr);
                ShowHelp(context);
                return true;
            }
        }
        // F1 in a dialog opens the help context of the nearest control or the dialog.
        if (auto* widget = qobject_cast<QWidget*>(watched)) {
            if (auto* dialog = qobject_cast<QDialog*>(widget->window())) {
                for (QObject* o = widget; o; o = o->parent()) {
                    const int context = o->property("helpContext").toInt();
                    if (context) {
                        ShowHelp(context);
                        return true;
                    }
                    if (o == dialog)
                        break;
                }
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// --- state file -----------------------------------------------------------------------------

bool TMainForm::SaveConfig() {
    StateFileContent c;
    c.Link = session_.Link;
    c.Move = session_.Move;
    c.Width = static_cast<std::uint16_t>(width());
    c.Height = static_cast<std::uint16_t>(height());
    c.ChildCount = static_cast<std::uint16_t>(ChildCount());
    if (traceWin_) {
        const QRect r = NormalGeometry(traceWin_);
        c.Trace = {"", r.x(), r.y(), r.width(), r.height(), traceWin_->Editor->CaretOffset()};
    }
    for (QMdiSubWindow* w : VisitOrder()) {
        auto* d = qobject_cast<TMDIChild*>(w);
        if (!d)
            continue;
        const QRect r = NormalGeometry(d);
        // The name as the file system spells it, so that any path reopens the same file.
        const QByteArray name = QFile::encodeName(d->FileName);
        c.Documents.push_back(
            {name.toStdString(), r.x(), r.y(), r.width(), r.height(), d->CaretOffset()});
    }
    // Records that a start-up still busy reopening has not reached yet are kept as read.
    for (std::size_t i = reopenNext_; i < reopenRecords_.size(); ++i) {
        c.Documents.push_back(reopenRecords_[i]);
        ++c.ChildCount;
    }
    const std::vector<std::uint8_t> bytes = EncodeStateFile(c);
    const QString problem = WriteWholeFile(kStateFileName, std::string(bytes.begin(), bytes.end()));
    if (problem.isEmpty())
        return true;
    op_.showBox(BoxKind::Error,
                QString("Cannot write the state file %1.\r%2")
                    .arg(QDir::current().absoluteFilePath(kStateFileName), problem));
    return false;
}

void TMainForm::LoadConfig() {
    const QFileInfo info(kStateFileName);
    if (!info.exists())
        return;
    LayoutMode = 0;
    const FileReadResult file = ReadWholeFile(kStateFileName);
    StateFileRead read;
    if (file.status == FileStatus::Ok) {
        read = DecodeStateFile(std::vector<std::uint8_t>(file.bytes.begin(), file.bytes.end()));
    } else if (file.status == FileStatus::NotRegular || file.status == FileStatus::TooLarge) {
        // A FIFO, device or directory of that name is never opened: it is damage.
        read.Problems.push_back(ReadProblemText(file).toStdString());
    } else {
        op_.showBox(BoxKind::Error, QString("Cannot read the state file %1.\r%2")
                                        .arg(info.absoluteFilePath(), ReadProblemText(file)));
        return;
    }
    const StateFileContent& c = read.Content;

    if (read.HasLink)
        session_.Link = c.Link;
    if (read.HasMove)
        session_.Move = c.Move;
    if (read.HasSize) {
        // Kept within the screen, whatever screen wrote the file.
        const QSize screenSize = screen() ? screen()->availableSize() : QSize();
        resize(screenSize.isValid() ? std::min<int>(c.Width, screenSize.width()) : c.Width,
               screenSize.isValid() ? std::min<int>(c.Height, screenSize.height()) : c.Height);
    }
    if (read.HasTrace && traceWin_) {
        if (PlausibleRectangle(c.Trace))
            traceWin_->setGeometry(StoredGeometry(c.Trace));
        traceWin_->Editor->SetCaretOffset(std::max(0, c.Trace.Caret));
    }
    const bool closedBefore = shutDownDone_;
    TMDIChild* last = ReopenDocuments(c.Documents);
    if (shutDownDone_ && !closedBefore)
        return; // closed while the documents were reopening
    if (last)
        mdiArea_->setActiveSubWindow(last);
    UpdateMenuItems();
    mdiArea_->activatePreviousSubWindow();
    mdiArea_->activatePreviousSubWindow();

    if (!read.Problems.empty()) {
        QString text = "The state file " + info.absoluteFilePath() +
                       " is damaged; what could not be read keeps its default:";
        for (const std::string& p : read.Problems)
            text += "\r- " + QString::fromStdString(p);
        op_.showBox(BoxKind::Warning, text);
    }
    // The start-up serial setup counts as a command: no menu item or toolbar button may
    // start another one while it waits for the controller.
    if (read.HasLink && session_.Link.AutoInit != 0 && serialInitHook)
        commands_.RunExclusive(serialInitHook);
}

QRect TMainForm::StoredGeometry(const WindowRecord& record) const {
    const WindowRecord r = ClampToArea(record, ClientWidth(), ClientHeight());
    return QRect(r.Left, r.Top, r.Width, r.Height);
}

TMDIChild* TMainForm::ReopenDocuments(const std::vector<WindowRecord>& records) {
    // Pending records stay readable for a SaveConfig run by a shut-down meanwhile.
    reopenRecords_ = records;
    reopenNext_ = 0;
    // The windows stay hidden, and the workspace disabled, until all are there: each window
    // shown would be fitted around every visible one and, once active, deactivate every
    // other, a cost that grows with the number already open.
    QWidget* workspace = mdiArea_->viewport();
    workspace->setEnabled(false);
    QList<QPointer<TMDIChild>> reopened;
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    const bool closedBefore = shutDownDone_;
    while (reopenNext_ < reopenRecords_.size() && (closedBefore || !shutDownDone_)) {
        const WindowRecord r = reopenRecords_[reopenNext_++];
        const QString name = QFile::decodeName(
            QByteArray(r.FileName.data(), static_cast<qsizetype>(r.FileName.size())));
        QPointer<TMDIChild> d = AddDocumentWindow();
        // A name that is not a readable file (a directory, say) keeps its name, as a
        // vanished file does, so that the next state file still holds it.
        if (!d->OpenDocument(name, false) && d)
            d->NewNamedDocument(name);
        if (d) {
            d->SetCaretOffset(std::max(0, r.Caret));
            if (PlausibleRectangle(r))
                d->setGeometry(StoredGeometry(r));
            d->Editor->viewport()->update();
            reopened << d;
        }
        // The menus, Alt+X and the window stay live while many documents reopen.
        if (sinceEvents.elapsed() >= 50) {
            QCoreApplication::processEvents();
            sinceEvents.restart();
        }
    }
    reopenRecords_.clear();
    reopenNext_ = 0;
    TMDIChild* last = nullptr;
    for (const QPointer<TMDIChild>& d : reopened) {
        if (d) {
            d->show();
            last = d;
        }
    }
    workspace->setEnabled(true);
    return last;
}

// --- shut-down ------------------------------------------------------------------------------

bool TMainForm::CloseQuery() {
    const QList<TMDIChild*> docs = Documents();
    for (TMDIChild* d : docs)
        if (!d->FormCloseQuery())
            return false;
    if (!SaveConfig())
        return false;
    for (TMDIChild* d : docs)
        d->SetCloseApproved(true);
    return true;
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (shutDownDone_) {
        event->accept();
        return;
    }
    if (!CloseQuery()) {
        event->ignore();
        return;
    }
    shutDownDone_ = true;
    event->accept();
    if (helpViewer_)
        helpViewer_->close();
    if (closePortHook)
        closePortHook();
}

} // namespace orvant
