// The main window.
#include "app/ui/tfzgwwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStatusBar>
#include <QTime>

#include "app/catalogue_commands.h"
#include "app/menus.h"
#include "app/startup.h"
#include "app/ui/view_canvas.h"
#include "base/cp1252.h"
#include "base/io_error.h"
#include "framework/messages.h"

namespace kvx {

namespace {
constexpr int kStatusWidths[4] = {120, 120, 240, 240};
constexpr int kMessagePanel = 2;
}  // namespace

tfzgwwindow::tfzgwwindow(FileSystem& fs, const Clock& clock, const std::string& programDir, Options options)
    : TKowindow(nullptr, 1), m_app(std::make_unique<AppState>(fs, clock, programDir)), m_ui(this), m_options(options) {
    m_app->trace.line(m_app->trace.windowFlag, "tfzgwwindow.createnew start");
    tcreateactions();
    setupwindow();
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        if (idleStep()) scheduleIdle();
    });
    scheduleIdle();
    m_app->trace.line(m_app->trace.windowFlag, "tfzgwwindow.createnew end");
}

tfzgwwindow::~tfzgwwindow() {
    setMessageStatusBar(nullptr, 0);
}

void tfzgwwindow::tcreateactions() {
    setHelpFile(QStringLiteral("K-VANEX.HLP"));
    // The help engine of the old systems does not exist here, so help stays disabled.
    setHelpEnabled(false);
    setStartView(1, 401);
    tick();
}

void tfzgwwindow::setupwindow() {
    TKowindow::setupwindow();
    setWindowTitle(QStringLiteral("KORVANEX"));
    setCaptionSuffix(QStringLiteral(" - KORVANEX"));
    loadSettings(*m_app);
    createScrollBar(1, Qt::Vertical, -100, 100, 0, 20, 1);
    createScrollBar(2, Qt::Horizontal, -100, 100, 0, 10, 1);
    createStatusBar();
    m_canvas = new ViewCanvas(this);
    setCentralWidget(m_canvas);
    rebuildMenu();
    m_clockTimer.setInterval(30000);
    connect(&m_clockTimer, &QTimer::timeout, this, [this] { tick(); });
    m_clockTimer.start();
    resize(1100, 720);
}

void tfzgwwindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setFixedHeight(20);
    bar->setSizeGripEnabled(false);
    for (int i = 0; i < 4; ++i) {
        m_panels[static_cast<std::size_t>(i)] = new QLabel(bar);
        m_panels[static_cast<std::size_t>(i)]->setFixedWidth(kStatusWidths[i]);
        m_panels[static_cast<std::size_t>(i)]->setFrameShape(QFrame::Panel);
        m_panels[static_cast<std::size_t>(i)]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(m_panels[static_cast<std::size_t>(i)]);
    }
    setMessageStatusBar(bar, kMessagePanel);
    refreshStatusPanels();
}

void tfzgwwindow::refreshStatusPanels() {
    const SettingsRecord& s = m_app->settings;
    m_panels[0]->setText(QString::fromStdString(cp1252ToUtf8(s.statusFilterAbbreviations())));
    m_panels[1]->setText(s.netPrices() ? QStringLiteral("Netto") : QStringLiteral("Brutto"));
    m_panels[3]->setText(QString::fromStdString(m_app->search.selectionStatus));
}

void tfzgwwindow::rebuildMenu() {
    MenuConditions conditions;
    conditions.stockMode = m_app->settings.stockMode();
    conditions.helpAvailable = helpEnabled();
    buildMainMenu(
        menuNumber(), [conditions](int number, MenuTable& table) { return fillProgramMenu(number, table, conditions); },
        0, {}, [this](int command) { dispatch(command); });
}

void tfzgwwindow::tick() {
    const CalendarDate d = m_app->clock().today();
    m_today = encodeDate(d);
    m_timeOfDay = m_app->clock().secondsSinceMidnight();
}

void tfzgwwindow::scheduleIdle() {
    if (m_options.autoIdle && !m_closedForGood) m_idleTimer.start(0);
}

bool tfzgwwindow::idleStep() {
    if (m_closedForGood) return false;
    AppState& app = *m_app;
    switch (app.startupPhase) {
        case 2:
            app.startupPhase = 1;
            repaintView();
            return true;
        case 1:
            app.startupPhase = 0;
            startupPhase1();
            return false;
        default:
            return false;
    }
}

void tfzgwwindow::startupPhase1() {
    AppState& app = *m_app;
    try {
        const bool ok = loadCatalogueAtStart(app, m_ui, importCatalogue) && loadUserData(app, m_ui);
        if (!ok) {
            close();
            return;
        }
    } catch (const IoError& e) {
        showError(QStringLiteral("FEHLER"), QString::fromStdString(e.what()));
        app.forcedClose = true;
        close();
        return;
    }
    refreshStatusPanels();
    repaintView();
}

void tfzgwwindow::dispatch(int command) {
    if (m_closedForGood) return;
    try {
        runCommand(command);
    } catch (const IoError& e) {
        // The run-time I/O error ends the command; the program goes on with the next event.
        showError(QStringLiteral("FEHLER"), QString::fromStdString(e.what()));
    }
}

void tfzgwwindow::runCommand(int command) {
    switch (command) {
        case 1:
            close();
            return;
        default:
            showInformation(QStringLiteral("Feature not implemented!"));
            return;
    }
}

void tfzgwwindow::closeEvent(QCloseEvent* event) {
    if (m_closedForGood) {
        event->accept();
        return;
    }
    bool mayClose = false;
    try {
        mayClose = closeQuery(*m_app, m_ui);
    } catch (const IoError& e) {
        showError(QStringLiteral("FEHLER"), QString::fromStdString(e.what()));
    }
    if (!mayClose) {
        event->ignore();
        return;
    }
    m_clockTimer.stop();
    m_idleTimer.stop();
    m_closedForGood = true;
    event->accept();
}

QStringList tfzgwwindow::describe(const QString& what) {
    QStringList out;
    const bool all = what == QStringLiteral("all");
    if (all || what == QStringLiteral("view")) {
        out << QStringLiteral("view %1 \"%2\" menu %3").arg(viewNumber()).arg(windowTitle()).arg(menuNumber());
        for (const QString& line : textPageLines(m_canvas->page())) out << QStringLiteral("| ") + line;
    }
    if (all || what == QStringLiteral("status")) {
        QStringList panels;
        for (QLabel* p : m_panels) panels << QStringLiteral("[%1]").arg(p->text());
        out << QStringLiteral("status ") + panels.join(QLatin1Char(' '));
    }
    if (what == QStringLiteral("settings")) out << describeSettings();
    if (what == QStringLiteral("files")) out << describeFiles();
    if (all || what == QStringLiteral("menu")) {
        out << QStringLiteral("menu %1").arg(menuNumber());
        for (const QString& line : menuTreeText(menuTree()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            out << QStringLiteral("  ") + line;
    }
    return out;
}

QStringList tfzgwwindow::describeSettings() const {
    const SettingsRecord& s = m_app->settings;
    auto text = [&](std::size_t offset, std::size_t capacity) {
        return QString::fromStdString(cp1252ToUtf8(s.text(offset, capacity)));
    };
    return {QStringLiteral("settings dirty=%1 mode=%2 prices=%3 filter=\"%4\" number215=%5 catalogue-date=%6")
                .arg(s.dirty() ? 1 : 0)
                .arg(s.stockMode() ? QStringLiteral("stock") : QStringLiteral("simple"))
                .arg(s.netPrices() ? QStringLiteral("Netto") : QStringLiteral("Brutto"))
                .arg(QString::fromStdString(cp1252ToUtf8(s.statusFilterAbbreviations())))
                .arg(s.rangedNumber())
                .arg(s.catalogueDate()),
            QStringLiteral("company \"%1\" \"%2\"").arg(text(SettingsRecord::kCompanyName, 40),
                                                       text(SettingsRecord::kCompanyTown, 40)),
            QStringLiteral("text folder \"%1\"").arg(text(SettingsRecord::kTextFolder, 120).replace(
                QString::fromStdString(m_app->programDir()), QStringLiteral("<program>/")))};
}

QStringList tfzgwwindow::describeFiles() const {
    QStringList out;
    QDirIterator it(QString::fromStdString(m_app->programDir()), QDir::Files, QDirIterator::Subdirectories);
    const QDir base(QString::fromStdString(m_app->programDir()));
    QStringList names;
    while (it.hasNext()) {
        const QString path = base.relativeFilePath(it.next());
        if (path == QStringLiteral("transcript.txt") || path.endsWith(QStringLiteral(".pdf"))) continue;
        names << path;
    }
    names.sort();
    for (const QString& name : names) out << QStringLiteral("file %1 %2").arg(name).arg(QFileInfo(base.filePath(name)).size());
    if (out.isEmpty()) out << QStringLiteral("no files");
    return out;
}

bool tfzgwwindow::scriptSelectTree(const QString&, QString& error) {
    error = QStringLiteral("no group tree in this view");
    return false;
}

bool tfzgwwindow::scriptClickRow(int, RowClick, QString& error) {
    error = QStringLiteral("no list in this view");
    return false;
}

bool tfzgwwindow::scriptClickLine(int line, bool doubleClick, QString&) {
    if (m_canvas->onLineClick) m_canvas->onLineClick(line, doubleClick);
    return true;
}

}  // namespace kvx
