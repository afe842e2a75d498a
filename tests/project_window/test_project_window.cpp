// SPDX-License-Identifier: GPL-3.0-or-later
// The Project window as a designer uses it: a cell typed by keyboard rechecks only the
// changed path and shows the new answer, a failing cell says so by colour, symbol and tip, a
// refused cell beeps and keeps the focus, every kind of edit undoes and redoes back to the
// saved bytes, a refused file leaves the window as it was, the title marks unsaved changes,
// and the window fits the laptop's and the desktop's screen.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>
#include <cstring>
#include <iostream>
#include <memory>
#include <utility>

#include "fake_system_services.h"
#include "project/project_file.h"
#include "project_window/circuit_grid.h"
#include "project_window/project_window.h"
#include "project_window/recent_projects.h"
#include "screen_fit.h"
#include "source_tree.h"
#include "window_kit/access_letters.h"
#include "window_kit/placement.h"
#include "window_kit/text_tone.h"

namespace ferrovolt {

namespace {

// A sample project of the source folder.
QString example(const char* name) {
    return QString::fromStdString((test::sourceTree() / "examples" / name).string());
}

const QString kOffice = example("iec60364-office.fvproj");

// A window that answers its questions as a test tells it.
class AnsweringWindow : public ProjectWindow {
public:
    AnsweringWindow(SystemServices* services, QMessageBox::StandardButton recover,
                    QMessageBox::StandardButton save = QMessageBox::Discard)
        : ProjectWindow(services), m_recover(recover), m_save(save) {}
    int asked = 0;  // whether to save
    QString savePath;
    QMessageBox::StandardButton deleteAnswer = QMessageBox::No;
    int askedToDelete = 0;
    QString board;  // the board picked from a list

protected:
    QMessageBox::StandardButton askToSave() override {
        ++asked;
        return m_save;
    }
    QString askSavePath() override { return savePath; }
    QMessageBox::StandardButton askToDeleteBoard(const QString&, int) override {
        ++askedToDelete;
        return deleteAnswer;
    }
    QString askForBoard(const QString&, const QStringList& boards) override {
        return boards.contains(board) ? board : QString();
    }
    QMessageBox::StandardButton askToRecover(const RecoveryFile::Found&) override {
        return m_recover;
    }

private:
    QMessageBox::StandardButton m_recover, m_save;
};

QString fail(const QString& text) {
    return QString(QChar(CircuitGrid::kFailSymbol)) + u' ' + text;
}

}  // namespace

// The header cells an accessible table cell hands out, deleted with it: they are made for the
// caller and kept nowhere else, and Qt deletes an interface only through its registry.
struct HeaderCells {
    explicit HeaderCells(QList<QAccessibleInterface*> made) : cells(std::move(made)) {
        for (QAccessibleInterface* cell : cells) QAccessible::registerAccessibleInterface(cell);
    }
    ~HeaderCells() {
        for (QAccessibleInterface* cell : cells)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }
    HeaderCells(const HeaderCells&) = delete;
    HeaderCells& operator=(const HeaderCells&) = delete;
    QList<QAccessibleInterface*> cells;
};

class TestProjectWindow : public QObject {
    Q_OBJECT

    // The office project open on its board DB1, whose grid has the focus.
    struct Opened {
        testing::FakeSystemServices services;
        ProjectWindow window{&services};
        QTableView* grid = nullptr;
        const CircuitGrid* model = nullptr;
    };

    static void open(Opened& o, const QString& path = kOffice) {
        QVERIFY(!o.window.openFile(path));
        o.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&o.window));
        o.window.selectNode(QStringLiteral("DB1"));
        o.grid = o.window.findChild<QTableView*>(QStringLiteral("gridCircuits"));
        o.model = qobject_cast<const CircuitGrid*>(o.grid->model());
        o.grid->setFocus();
    }

    static QString cell(const Opened& o, const char* circuit, CircuitGrid::Kind kind,
                        std::string_view key = {}, int role = Qt::DisplayRole) {
        const QModelIndex at =
            o.model->index(o.model->rowOf(circuit), o.model->columnOf(kind, key));
        return at.data(role).toString();
    }

    // Types `text` into a cell as a person does: F2, the text over the old, Enter.
    static void typeInto(Opened& o, const char* circuit, int column, const QString& text) {
        o.grid->setCurrentIndex(o.model->index(o.model->rowOf(circuit), column));
        QTest::keyClick(o.grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }

    static std::string bytes(Opened& o) {
        return project::writeProject(o.window.document().tree().project());
    }

    QTemporaryDir m_data;  // the user's data folder, where the recovery files go

private slots:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_data.path());
    }

    void editingACellRechecksItsPath_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("rechecked");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("drop");
        QTest::addColumn<QString>("verdict");
        // The length changes no load: C1 alone is checked again. At 300 m its drop (4.821 %
        // of its own, 5.16 % from the origin) sets 10 mm².
        QTest::newRow("a longer cable, its own node alone") << "length"
                                                            << "300"
                                                            << "C1"
                                                            << "10 mm²"
                                                            << "5.16"
                                                            << "meets all";
        // The current is DB1's load: the boards up to the origin, DB1's feeder, then every
        // circuit below its busbar (DB1's drop 0.34 → 0.36 %); 16 A over 35 m needs 2.5 mm²,
        // as project schedule gives it.
        QTest::newRow("a larger load, the board's feeder and all below it") << "current"
                                                                            << "16"
                                                                            << "MDB DB1 C1 C2"
                                                                            << "2.5 mm²"
                                                                            << "3.89"
                                                                            << "meets all";
    }

    void editingACellRechecksItsPath() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, rechecked);
        QFETCH(QString, size);
        QFETCH(QString, drop);
        QFETCH(QString, verdict);
        Opened o;
        open(o);
        const std::string field = key.toStdString();
        typeInto(o, "C1", o.model->columnOf(CircuitGrid::Kind::Input, field), text);
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Input, field), text);
        QStringList ids;
        for (const std::string& id : o.window.document().tree().rechecked())
            ids << QString::fromStdString(id);
        QCOMPARE(ids.join(u' '), rechecked);
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Size), size);
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Drop), drop);
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Verdict), verdict);
        // Enter moved down a row, in the same column.
        QCOMPARE(o.grid->currentIndex().row(), o.model->rowOf("C2"));
        QCOMPARE(o.services.beeps(), 0);
    }

    // 1.5 mm² given at 300 m: 31.43 % of drop on its own against 5.663 %, its loop 8.78 Ω
    // against 4.6 Ω, 31.77 % from the origin against the 6 % of a private supply's lighting.
    void aFailingCellSaysItByColourSymbolAndTip() {
        Opened o;
        open(o);
        typeInto(o, "C1", o.model->columnOf(CircuitGrid::Kind::Input, "length"), "300");
        typeInto(o, "C1", o.model->columnOf(CircuitGrid::Kind::Input, "size"), "1.5");
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Size), fail("1.5 mm²"));
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Drop), fail("31.77"));
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Verdict), fail("fails"));
        QCOMPARE(cell(o, "C1", CircuitGrid::Kind::Drop, {}, Qt::ToolTipRole),
                 QStringLiteral("Fails: voltage drop from the origin above the limit (6 %)"));
        QVERIFY(cell(o, "C1", CircuitGrid::Kind::Size, {}, Qt::ToolTipRole)
                    .startsWith(QStringLiteral("Fails: voltage drop")));
        const QModelIndex size =
            o.model->index(o.model->rowOf("C1"), o.model->columnOf(CircuitGrid::Kind::Size));
        const auto colour = size.data(Qt::ForegroundRole).value<QColor>();
        QVERIFY(contrastRatio(colour, o.grid->palette().color(QPalette::Base)) >= kTextContrast);
        // C2 passes: no symbol, no colour, no tip.
        QCOMPARE(cell(o, "C2", CircuitGrid::Kind::Size), QStringLiteral("4 mm²"));
        QVERIFY(!o.model->index(o.model->rowOf("C2"), 0).data(Qt::ForegroundRole).isValid());
        // The tree marks C1 alike, and its board not.
        const auto* tree = o.window.findChild<QTreeView*>(QStringLiteral("treeInstallation"));
        const auto item = [tree](const QString& shown) {
            return tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, shown, 1,
                                        Qt::MatchExactly | Qt::MatchRecursive);
        };
        QCOMPARE(item(fail(QStringLiteral("C1"))).size(), 1);
        QVERIFY(item(fail(QStringLiteral("C1")))
                    .front()
                    .data(Qt::ToolTipRole)
                    .toString()
                    .startsWith(QStringLiteral("Fails: voltage drop")));
        QCOMPARE(item(QStringLiteral("Board DB1")).size(), 1);
        QCOMPARE(
            o.window.findChild<QLabel*>(QStringLiteral("lblFailures"))->text(),
            QStringLiteral("1 of 5 nodes fail; most often (1): voltage drop from the origin above "
                           "the limit (6 %)"));
    }

    void aRefusedCellBeepsAndKeepsTheFocus_data() {
        QTest::addColumn<QString>("key");  // "" for the id
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("a length that is not a number") << "length"
                                                       << "30x"
                                                       << "One-way length: \"30x\" is not a number";
        QTest::newRow("no such phase") << "phase"
                                       << "four"
                                       << "Phase: \"four\" is not one of single,three,dc";
        QTest::newRow("a size the tables do not have")
            << "size"
            << "7"
            << "Check a given size: \"7\" is not a size of IEC 60228 (such as \"2.5 mm²\", "
               "\"25 mm²\")";
        QTest::newRow("an id another circuit has") << ""
                                                   << "C2"
                                                   << "Id: C2 is taken";
        QTest::newRow("an id a board has") << ""
                                           << "DB1"
                                           << "Id: DB1 is taken";
    }

    void aRefusedCellBeepsAndKeepsTheFocus() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, message);
        Opened o;
        open(o);
        const std::string before = bytes(o);
        const int column = key.isEmpty()
                               ? o.model->columnOf(CircuitGrid::Kind::Id)
                               : o.model->columnOf(CircuitGrid::Kind::Input, key.toStdString());
        typeInto(o, "C1", column, text);
        QCOMPARE(o.services.beeps(), 1);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor != nullptr && o.grid->isAncestorOf(editor));
        QCOMPARE(editor->text(), text);
        QCOMPARE(o.window.statusText(), message);
        QCOMPARE(bytes(o), before);
        QCOMPARE(o.window.document().undoStack().count(), 0);
        // Escape drops the text: the cell is as it was.
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(o.window.document().undoStack().count(), 0);
        QCOMPARE(bytes(o), before);
    }

    void everyEditUndoesAndRedoesToTheSavedBytes_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("undoText");
        QTest::newRow("a cell") << 0 << "&Undo Edit C1 length";
        QTest::newRow("an id") << 1 << "&Undo Rename C1 to L1";
        QTest::newRow("a row inserted") << 2 << "&Undo Insert C3";
        QTest::newRow("a row deleted") << 3 << "&Undo Delete C1";
        QTest::newRow("a row pasted") << 4 << "&Undo Paste C3";
    }

    void everyEditUndoesAndRedoesToTheSavedBytes() {
        QFETCH(int, edit);
        QFETCH(QString, undoText);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("office.fvproj"));
        QVERIFY(QFile::copy(kOffice, path));
        Opened o;
        open(o, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string saved = file.readAll().toStdString();
        QCOMPARE(bytes(o), saved);
        o.grid->setCurrentIndex(o.model->index(o.model->rowOf("C1"), 0));
        switch (edit) {
            case 0:
                typeInto(o, "C1", o.model->columnOf(CircuitGrid::Kind::Input, "length"), "50");
                break;
            case 1:
                typeInto(o, "C1", o.model->columnOf(CircuitGrid::Kind::Id), "L1");
                break;
            case 2:
                QTest::keyClick(o.grid, Qt::Key_Insert);
                break;
            case 4:
                QTest::keyClick(o.grid, Qt::Key_C, Qt::ControlModifier);
                QTest::keyClick(o.grid, Qt::Key_V, Qt::ControlModifier);
                break;
            default:
                QTest::keyClick(o.grid, Qt::Key_Delete);
        }
        const std::string edited = bytes(o);
        QVERIFY(edited != saved);
        QCOMPARE(o.window.windowTitle(), QStringLiteral("office.fvproj* — Project"));
        QCOMPARE(o.window.findChild<QAction*>(QStringLiteral("actUndo"))->text(), undoText);
        QTest::keyClick(o.grid, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bytes(o), saved);
        QCOMPARE(o.window.windowTitle(), QStringLiteral("office.fvproj — Project"));
        QTest::keyClick(o.grid, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(bytes(o), edited);
        QCOMPARE(o.window.windowTitle(), QStringLiteral("office.fvproj* — Project"));
        // The answers are the whole check's of the same project.
        const project::ProjectAnswer whole =
            project::checkProject(o.window.document().tree().project());
        for (const project::NodeAnswer& node : whole.nodes)
            if (node.kind == project::NodeKind::Circuit)
                QCOMPARE(cell(o, node.id.c_str(), CircuitGrid::Kind::Size),
                         QString::fromUtf8(node.checked->sizeLabel().data()));
    }

    // Rows copied go to the clipboard as the schedule's columns, and come back from it as the
    // same circuits under free ids: C1 and C2 again as C3 and C4.
    void copiedRowsPasteBackAsTheSameCircuits() {
        Opened o;
        open(o);
        QItemSelectionModel* chosen = o.grid->selectionModel();
        for (const char* id : {"C1", "C2"})
            chosen->select(o.model->index(o.model->rowOf(id), 0),
                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QTest::keyClick(o.grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines =
            QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[0].startsWith(QStringLiteral("id,board,current,")));
        QVERIFY(lines[1].startsWith(QStringLiteral("C1,DB1,10,")));
        QVERIFY(lines[2].startsWith(QStringLiteral("C2,DB1,32,")));
        QTest::keyClick(o.grid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.window.statusText(), QStringLiteral("Pasted 2 of 2 rows."));
        const project::Project& p = o.window.document().tree().project();
        for (const auto& [copy, of] : {std::pair{"C3", "C1"}, std::pair{"C4", "C2"}}) {
            const auto at = circuitIndex(p, copy), original = circuitIndex(p, of);
            QVERIFY(at && original);
            QCOMPARE(p.circuits[*at].board, std::string("DB1"));
            QVERIFY(p.circuits[*at].cable == p.circuits[*original].cable);
            QCOMPARE(cell(o, copy, CircuitGrid::Kind::Size), cell(o, of, CircuitGrid::Kind::Size));
        }
    }

    // A row that does not read is named with its line and the rest go in, in one step.
    void aRefusedPastedRowIsListedAndTheOthersGoIn_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("inserted");
        QTest::addColumn<QString>("status");
        const QString header = QStringLiteral("ID,Board,Current,Length,Volts,Use\r\n");
        QTest::newRow("a row of too few cells")
            << header + "P1,DB1,10,20,230,lighting\r\nP2,DB1,10\r\nP3,DB1,16,25,230,lighting\r\n"
            << QStringList{"P1", "P3"}
            << "Pasted 2 of 3 rows. Refused: line 3: 3 cells where the header has 6.";
        QTest::newRow("a current that is not a number")
            << header + "P1,DB1,abc,20,230,lighting\r\nP2,,16,25,230,lighting\r\n"
            << QStringList{"P2"}
            << "Pasted 1 of 2 rows. Refused: line 2: P1: current: \"abc\" is not a number.";
        QTest::newRow("a taken id takes a free one") << header + "C1,DB1,10,20,230,lighting\r\n"
                                                     << QStringList{"C3"} << "Pasted 1 of 1 rows.";
        QTest::newRow("no row goes in") << header + "P1,DB1,10\r\n"
                                        << QStringList{}
                                        << "Pasted 0 of 1 rows. Refused: line 2: 3 cells where "
                                           "the header has 6.";
        QTest::newRow("no id column")
            << QStringLiteral("current,length\r\n10,20\r\n") << QStringList{}
            << "The text's header names no \"id\" column.";
    }

    void aRefusedPastedRowIsListedAndTheOthersGoIn() {
        QFETCH(QString, text);
        QFETCH(QStringList, inserted);
        QFETCH(QString, status);
        Opened o;
        open(o);
        const std::string before = bytes(o);
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(o.grid, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(o.window.statusText(), status);
        const project::Project& p = o.window.document().tree().project();
        QCOMPARE(p.circuits.size(), std::size_t{2} + static_cast<std::size_t>(inserted.size()));
        for (const QString& id : inserted) {
            const auto at = circuitIndex(p, id.toStdString());
            QVERIFY(at);
            QCOMPARE(p.circuits[*at].board, std::string("DB1"));
        }
        // Every row pasted goes in one step, and goes out with it.
        QCOMPARE(o.services.beeps() > 0, inserted.isEmpty());
        if (!inserted.isEmpty()) QTest::keyClick(o.grid, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bytes(o), before);
    }

    // The office sample written as a schedule of its boards and circuits imports as the same
    // installation: its exported schedule is the sample's, byte for byte. A refused row is
    // listed with its line; a refused schedule leaves the project as it was.
    void anImportedScheduleExportsAsTheSample_data() {
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<QStringList>("refused");
        QTest::addColumn<bool>("imported");
        const QString rows = QStringLiteral(
            "id,fed_from,board,demand_factor,breaking_capacity_ka,length,phase,volts,supply,"
            "insulation,method,clearing_time,current,use,earthing,curve\r\n"
            "MDB,supply,,1,25,,,,,,,,,,,\r\n"
            "DB1,MDB,,0.9,10,60,three,400,private,xlpe,E,0.1,,,,\r\n"
            "C1,,DB1,,,35,,230,private,,,,10,lighting,TN-C-S,B\r\n"
            "C2,,DB1,,,45,three,400,private,,,,32,,TN-C-S,C\r\n");
        QTest::newRow("every row") << rows << QStringList{} << true;
        QTest::newRow("a row on no board")
            << rows + "C3,,DB9,,,10,,230,private,,,,10,lighting,TN-C-S,B\r\n"
            << QStringList{"line 6: C3: board: \"DB9\" is not a board of the schedule"} << true;
        QTest::newRow("no id column")
            << QStringLiteral("name,board\r\nC1,DB1\r\n") << QStringList{} << false;
    }

    void anImportedScheduleExportsAsTheSample() {
        QFETCH(QString, schedule);
        QFETCH(QStringList, refused);
        QFETCH(bool, imported);
        QTemporaryDir folder;
        const auto read = [](const QString& path) {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        Opened o;
        open(o);
        const std::string sample = bytes(o);
        const QString exported = folder.filePath(QStringLiteral("sample.csv"));
        QVERIFY(!o.window.exportScheduleFile(exported));
        const QByteArray sampleSchedule = read(exported);
        // DB1, C1 and C2 below the header; MDB, at the transformer's terminals, has no cable.
        QCOMPARE(sampleSchedule.count("\r\n"), 4);
        QVERIFY(sampleSchedule.startsWith("id,kind,board,path,cumulative_drop_percent,"));
        const QString path = folder.filePath(QStringLiteral("schedule.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(schedule.toUtf8());
        file.close();
        const auto result = o.window.importScheduleFile(path);
        QCOMPARE(std::holds_alternative<QStringList>(result), imported);
        if (!imported) {
            QVERIFY(std::get<QString>(result).startsWith(QStringLiteral("Could not import ")));
            QCOMPARE(bytes(o), sample);
            QVERIFY(!o.window.document().modified());
            return;
        }
        QCOMPARE(std::get<QStringList>(result), refused);
        const QString again = folder.filePath(QStringLiteral("again.csv"));
        QVERIFY(!o.window.exportScheduleFile(again));
        QCOMPARE(read(again), sampleSchedule);
        // The import is one step, undone back to the sample.
        QVERIFY(o.window.document().modified());
        QTest::keyClick(o.grid, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bytes(o), sample);
    }

    // Each file opened or saved goes first, once; the ninth back is let go; one no longer
    // there is taken off with a message, and the project open stays.
    void theRecentProjectsAreTheLastEightNewestFirst() {
        QTemporaryDir folder;
        Opened o;
        open(o);
        QStringList saved;
        for (int i = 1; i <= 9; ++i) {
            saved.prepend(folder.filePath(QStringLiteral("p%1.fvproj").arg(i)));
            QVERIFY(!o.window.saveFile(saved.front()));
        }
        QCOMPARE(recent_projects::list(), saved.first(8));
        QVERIFY(!o.window.openRecent(saved[4]));  // p5
        const QStringList reopened{saved[4], saved[0], saved[1], saved[2],
                                   saved[3], saved[5], saved[6], saved[7]};
        QCOMPARE(recent_projects::list(), reopened);
        auto* menu = o.window.findChild<QMenu*>(QStringLiteral("mnuRecent"));
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 8);
        QCOMPARE(menu->actions().front()->text(), QStringLiteral("&1 p5.fvproj"));
        const std::string before = bytes(o);
        QVERIFY(QFile::remove(saved[6]));  // p3
        const auto refusal = o.window.openRecent(saved[6]);
        QCOMPARE(refusal.value_or(QString()),
                 saved[6] + QStringLiteral(" is no longer there: taken off the recent projects."));
        QCOMPARE(o.window.statusText(), *refusal);
        QCOMPARE(o.services.beeps(), 1);
        QStringList left = reopened;
        left.removeAll(saved[6]);
        QCOMPARE(recent_projects::list(), left);
        QCOMPARE(bytes(o), before);
    }

    // A screen reader reads the grid as a table: each cell knows its row and column, and is
    // headed by its column's caption and its row's number.
    void theGridReadsAsATableOfRowsAndColumns_data() {
        QTest::addColumn<QString>("circuit");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("header");
        QTest::addColumn<QString>("name");
        QTest::newRow("the first row's id") << "C1" << int(CircuitGrid::Kind::Id) << "" << 0 << "Id"
                                            << "C1";
        QTest::newRow("the second row's current")
            << "C2" << int(CircuitGrid::Kind::Input) << "current" << 1 << "Design current (A)"
            << "32";
        QTest::newRow("an answer")
            << "C1" << int(CircuitGrid::Kind::Verdict) << "" << 0 << "Verdict"
            << "meets all";
    }

    void theGridReadsAsATableOfRowsAndColumns() {
        QFETCH(QString, circuit);
        QFETCH(int, kind);
        QFETCH(QString, key);
        QFETCH(int, row);
        QFETCH(QString, header);
        QFETCH(QString, name);
        Opened o;
        open(o);
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(o.grid);
        QVERIFY(grid != nullptr);
        QCOMPARE(grid->role(), QAccessible::Table);
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table != nullptr);
        QCOMPARE(table->rowCount(), 2);
        const int column = o.model->columnOf(CircuitGrid::Kind(kind), key.toStdString());
        QCOMPARE(o.model->rowOf(circuit.toStdString()), row);
        QAccessibleInterface* cell = table->cellAt(row, column);
        QVERIFY(cell != nullptr && cell->tableCellInterface() != nullptr);
        QAccessibleTableCellInterface* at = cell->tableCellInterface();
        QCOMPARE(at->rowIndex(), row);
        QCOMPARE(at->columnIndex(), column);
        QCOMPARE(cell->text(QAccessible::Name), name);
        const HeaderCells columnHeads{at->columnHeaderCells()};
        QCOMPARE(columnHeads.cells.size(), 1);
        QCOMPARE(columnHeads.cells.front()->text(QAccessible::Name), header);
        const HeaderCells rowHeads{at->rowHeaderCells()};
        QCOMPARE(rowHeads.cells.size(), 1);
        QCOMPARE(rowHeads.cells.front()->text(QAccessible::Name), QString::number(row + 1));
    }

    void aRefusedFileLeavesTheWindowAsItWas() {
        QTemporaryDir folder;
        const QString bad = folder.filePath(QStringLiteral("bad.fvproj"));
        QFile file(kOffice);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        text.replace("\"board\": \"DB1\"", "\"board\": \"DB9\"");  // C1's, line 50
        QFile out(bad);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(text);
        out.close();
        Opened o;
        open(o);
        typeInto(o, "C1", o.model->columnOf(CircuitGrid::Kind::Input, "length"), "50");
        const std::string before = bytes(o);
        const QString title = o.window.windowTitle();
        const std::optional<QString> refusal = o.window.openFile(bad);
        QVERIFY(refusal.has_value());
        QCOMPARE(*refusal, QStringLiteral("Could not open %1: line 50: /circuits/0/board: \"DB9\" "
                                          "is not a board of the project")
                               .arg(bad));
        QCOMPARE(o.window.statusText(), *refusal);
        QCOMPARE(bytes(o), before);
        QCOMPARE(o.window.windowTitle(), title);
        QCOMPARE(o.window.document().path(), kOffice);
        QCOMPARE(o.window.document().undoStack().count(), 1);
    }

    void theTitleNamesTheFileAndMarksUnsavedChanges() {
        testing::FakeSystemServices services;
        AnsweringWindow window(&services, QMessageBox::Cancel);
        QCOMPARE(window.windowTitle(), QStringLiteral("Untitled — Project"));
        QVERIFY(!window.openFile(kOffice));
        QCOMPARE(window.windowTitle(), QStringLiteral("iec60364-office.fvproj — Project"));
        QVERIFY(!window.document().setCircuitField("C1", "length", QStringLiteral("40")));
        QCOMPARE(window.windowTitle(), QStringLiteral("iec60364-office.fvproj* — Project"));
        QTemporaryDir folder;
        const QString copy = folder.filePath(QStringLiteral("copy.fvproj"));
        QVERIFY(!window.saveFile(copy));
        QCOMPARE(window.windowTitle(), QStringLiteral("copy.fvproj — Project"));
        QFile saved(copy);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll().toStdString(),
                 project::writeProject(window.document().tree().project()));
        // Saved, a new project under the other code asks nothing.
        window.findChild<QAction*>(QStringLiteral("actNew_nec2023"))->trigger();
        QCOMPARE(window.windowTitle(), QStringLiteral("Untitled — Project"));
        QCOMPARE(window.document().tree().code().key(), "nec2023");
        QCOMPARE(window.document().tree().project().circuits.size(), 0u);
        // Its first circuit, at the code's first texts (20 A over 30), is answered.
        const auto inserted = window.document().insertCircuit("MDP", "");
        QCOMPARE(std::get<std::string>(inserted), "C1");
        const project::NodeAnswer* first = window.document().tree().circuit("C1");
        QVERIFY(first != nullptr && first->checked != nullptr && !first->refusal);
        // Unsaved, the window asks (this one is let go) before a new project under IEC 60364.
        window.findChild<QAction*>(QStringLiteral("actNew_iec60364"))->trigger();
        QCOMPARE(window.document().tree().code().key(), "iec60364");
        QCOMPARE(window.document().tree().project().boards.front().id, "MDB");
    }

    // A window killed with unsaved changes leaves them in its recovery file; the next start
    // offers them back, keeps them while the user says "later", and once recovered they are
    // the file's unsaved changes, kept by the new window's own recovery file.
    void aKilledWindowsWorkIsOfferedBack() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("office.fvproj"));
        QVERIFY(QFile::copy(kOffice, path));
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_data.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--edit-and-wait"), path});
        QVERIFY(child.waitForReadyRead(20'000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("written"));
        child.kill();
        QVERIFY(child.waitForFinished(5'000));

        const std::vector<RecoveryFile::Found> found = RecoveryFile::leftBehind();
        QCOMPARE(found.size(), 1u);
        QCOMPARE(found.front().origin, path);
        QVERIFY(found.front().saved.secsTo(QDateTime::currentDateTime()) < 60);
        testing::FakeSystemServices services;
        {
            AnsweringWindow later(&services, QMessageBox::Cancel);
            QVERIFY(!later.offerRecovery());
            QCOMPARE(RecoveryFile::leftBehind().size(), 1u);
        }
        AnsweringWindow w(&services, QMessageBox::Yes);
        QVERIFY(w.offerRecovery());
        QCOMPARE(w.windowTitle(), QStringLiteral("office.fvproj* — Project"));
        QCOMPARE(w.document().path(), path);
        const project::Project& p = w.document().tree().project();
        std::string length;
        for (const auto& [key, value] : p.circuits[*circuitIndex(p, "C1")].cable)
            if (key == "length") length = project::cableFieldText(value);
        QCOMPARE(length, std::string("50"));
        QVERIFY(!QFile::exists(found.front().path));
        QVERIFY(QFile::exists(w.recoveryFile().path()));
        QVERIFY(!w.saveFile(path));
        QVERIFY(!QFile::exists(w.recoveryFile().path()));
    }

    // A project built from nothing by keyboard alone: New, a board under the main one with
    // its feeder, a circuit on it, its current and length typed into the grid, saved; opened
    // again it is the same bytes, and changed and saved again by keyboard.
    void aProjectIsBuiltSavedAndReopenedByKeyboard() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("built.fvproj"));
        testing::FakeSystemServices services;
        AnsweringWindow w(&services, QMessageBox::Cancel);
        w.savePath = path;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const auto key = [&w](int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(QApplication::focusWidget() != nullptr ? QApplication::focusWidget()
                                                                   : static_cast<QWidget*>(&w),
                            static_cast<Qt::Key>(k), modifiers);
        };
        key(Qt::Key_N, Qt::ControlModifier);
        key(Qt::Key_B, Qt::ControlModifier);
        key(Qt::Key_I, Qt::ControlModifier);
        auto* grid = w.findChild<QTableView*>(QStringLiteral("gridCircuits"));
        const auto* model = qobject_cast<const CircuitGrid*>(grid->model());
        QCOMPARE(QApplication::focusWidget(), grid);
        // Across the row by arrow keys, then F2, the text, Enter.
        const auto type = [&](std::string_view field, const char* text) {
            const int column = model->columnOf(CircuitGrid::Kind::Input, field);
            while (grid->currentIndex().column() < column) key(Qt::Key_Right);
            while (grid->currentIndex().column() > column) key(Qt::Key_Left);
            key(Qt::Key_F2);
            QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
            key(Qt::Key_Return);
        };
        type("current", "25");
        type("length", "150");
        QUndoStack& undo = w.document().undoStack();
        QStringList steps;
        for (int i = 0; i < undo.count(); ++i) steps << undo.text(i);
        QCOMPARE(steps.join(QStringLiteral("; ")),
                 QStringLiteral("Add board DB2; Insert C1; Edit C1 current; Edit C1 length"));
        key(Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(w.statusText(), QStringLiteral("Saved %1.").arg(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::string saved = file.readAll().toStdString();
        file.close();
        const project::Project& built = w.document().tree().project();
        QCOMPARE(built.boards.size(), std::size_t{2});
        QCOMPARE(built.boards[1].fedFrom, std::string("MDP"));
        QVERIFY(built.boards[1].cable.has_value());
        QCOMPARE(built.circuits.size(), std::size_t{1});
        QCOMPARE(built.circuits[0].board, std::string("DB2"));

        AnsweringWindow again(&services, QMessageBox::Cancel);
        QVERIFY(!again.openFile(path));
        QCOMPARE(project::writeProject(again.document().tree().project()), saved);
        again.show();
        QVERIFY(QTest::qWaitForWindowActive(&again));
        again.selectNode(QStringLiteral("C1"));
        grid = again.findChild<QTableView*>(QStringLiteral("gridCircuits"));
        model = qobject_cast<const CircuitGrid*>(grid->model());
        grid->setFocus();
        type("length", "90");
        key(Qt::Key_S, Qt::ControlModifier);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto reread = project::readProject(file.readAll().toStdString());
        QVERIFY(std::holds_alternative<project::Project>(reread));
        std::string length;
        for (const auto& [field, value] : std::get<project::Project>(reread).circuits[0].cable)
            if (field == "length") length = project::cableFieldText(value);
        QCOMPARE(length, std::string("90"));
        QCOMPARE(again.asked + w.asked, 0);
        QCOMPARE(services.beeps(), 0);
    }

    // Each menu's entries are reached by a letter of their own, as the window kit's menus are.
    void eachMenusAccessLettersAreDistinct() {
        testing::FakeSystemServices services;
        ProjectWindow w(&services);
        for (const char* name : {"mnuFile", "mnuEdit"}) {
            const auto* menu = w.findChild<QMenu*>(QString::fromLatin1(name));
            QVERIFY(menu != nullptr);
            QStringList seen;
            for (const QAction* action : menu->actions()) {
                const QChar letter = accessLetter(action->text());
                if (letter.isNull()) continue;
                QVERIFY2(!seen.contains(letter.toLower()), qPrintable(action->text()));
                seen << letter.toLower();
            }
            QVERIFY(seen.size() > 5);
        }
    }

    // A drop in the tree, or Edit ▸ Move to board…, moves a node as one undo step; a board
    // onto itself or onto a board it feeds would feed itself, and is refused with a beep.
    void aNodeMovesOntoABoardAndACycleIsRefused_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("onto");
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("status");
        QTest::newRow("a circuit dropped on another board") << "C1"
                                                            << "MDB" << false << "Moved C1 to MDB.";
        QTest::newRow("a board dropped on the supply")
            << "DB1"
            << "supply" << false << "Moved DB1 to supply.";
        QTest::newRow("a circuit moved by the menu") << "C2"
                                                     << "MDB" << true << "Moved C2 to MDB.";
        QTest::newRow("a board dropped on itself")
            << "DB1"
            << "DB1" << false << "Board DB1 cannot feed itself.";
        QTest::newRow("a board dropped on the board it feeds")
            << "MDB"
            << "DB1" << false << "Board MDB feeds DB1: moved there it would feed itself.";
    }

    void aNodeMovesOntoABoardAndACycleIsRefused() {
        QFETCH(QString, node);
        QFETCH(QString, onto);
        QFETCH(bool, byMenu);
        QFETCH(QString, status);
        testing::FakeSystemServices services;
        AnsweringWindow w(&services, QMessageBox::Cancel);
        QVERIFY(!w.openFile(kOffice));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const std::string saved = project::writeProject(w.document().tree().project());
        auto* tree = w.findChild<QTreeView*>(QStringLiteral("treeInstallation"));
        const auto find = [tree](const QString& id) {
            return tree->model()
                ->match(tree->model()->index(0, 0), Qt::UserRole + 1, id, 1,
                        Qt::MatchExactly | Qt::MatchRecursive)
                .value(0);
        };
        if (byMenu) {
            w.board = onto;
            w.selectNode(node);
            tree->setFocus();
            QTest::keyClick(tree, Qt::Key_M, Qt::ControlModifier);
        } else {
            std::unique_ptr<QMimeData> dragged(tree->model()->mimeData({find(node)}));
            QVERIFY(dragged != nullptr);
            QVERIFY(
                !tree->model()->dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, find(onto)));
        }
        QTRY_COMPARE(w.statusText(), status);
        const bool refused = !status.startsWith(QStringLiteral("Moved"));
        QCOMPARE(services.beeps(), refused ? 1 : 0);
        QUndoStack& undo = w.document().undoStack();
        QCOMPARE(undo.count(), refused ? 0 : 1);
        if (refused) {
            QCOMPARE(project::writeProject(w.document().tree().project()), saved);
            return;
        }
        // Under its new board in the tree, and back where it was on undo.
        QCOMPARE(find(node).parent().data(Qt::UserRole + 1).toString(), onto);
        QCOMPARE(undo.undoText(), QStringLiteral("Move %1 to %2").arg(node, onto));
        undo.undo();
        QCOMPARE(project::writeProject(w.document().tree().project()), saved);
    }

    // Delete in the tree: a circuit goes at once; a board that feeds others asks first, and
    // goes with all it feeds only when the user agrees. Either is one step undone whole.
    void deletingANodeAsksForABoardThatFeedsOthers_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<int>("asked");
        QTest::addColumn<QString>("left");  // the project's boards and circuits after
        QTest::newRow("a circuit") << "C2" << false << 0 << "MDB DB1 C1";
        QTest::newRow("a board with its circuits, agreed") << "DB1" << true << 1 << "MDB";
        QTest::newRow("a board with its circuits, declined")
            << "DB1" << false << 1 << "MDB DB1 C1 C2";
    }

    void deletingANodeAsksForABoardThatFeedsOthers() {
        QFETCH(QString, node);
        QFETCH(bool, agree);
        QFETCH(int, asked);
        QFETCH(QString, left);
        testing::FakeSystemServices services;
        AnsweringWindow w(&services, QMessageBox::Cancel);
        w.deleteAnswer = agree ? QMessageBox::Yes : QMessageBox::No;
        QVERIFY(!w.openFile(kOffice));
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const std::string saved = project::writeProject(w.document().tree().project());
        w.selectNode(node);
        auto* tree = w.findChild<QTreeView*>(QStringLiteral("treeInstallation"));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_Delete);
        QCOMPARE(w.askedToDelete, asked);
        QStringList ids;
        for (const project::Board& b : w.document().tree().project().boards)
            ids << QString::fromStdString(b.id);
        for (const project::Circuit& c : w.document().tree().project().circuits)
            ids << QString::fromStdString(c.id);
        QCOMPARE(ids.join(u' '), left);
        QUndoStack& undo = w.document().undoStack();
        QCOMPARE(undo.count(), asked == 1 && !agree ? 0 : 1);
        undo.undo();
        QCOMPARE(project::writeProject(w.document().tree().project()), saved);
    }

    // Closing with unsaved changes asks: Cancel keeps the window and its changes, Discard
    // closes it and lets its recovery file go; with none, it closes unasked.
    void closingAsksToSaveUnsavedChanges() {
        testing::FakeSystemServices services;
        AnsweringWindow keep(&services, QMessageBox::Cancel, QMessageBox::Cancel);
        keep.show();
        QVERIFY(keep.close());
        QCOMPARE(keep.asked, 0);
        QVERIFY(!keep.openFile(kOffice));
        keep.show();
        QVERIFY(!std::holds_alternative<QString>(keep.document().insertCircuit("DB1", "C1")));
        QVERIFY(QFile::exists(keep.recoveryFile().path()));  // written at once: a node came
        QVERIFY(!keep.close());
        QCOMPARE(keep.asked, 1);
        QVERIFY(keep.isVisible() && keep.document().modified());
        AnsweringWindow discard(&services, QMessageBox::Cancel, QMessageBox::Discard);
        QVERIFY(!discard.openFile(kOffice));
        discard.show();
        QVERIFY(!std::holds_alternative<QString>(discard.document().insertCircuit("DB1", "C1")));
        QVERIFY(discard.close());
        QCOMPARE(discard.asked, 1);
        QVERIFY(!QFile::exists(discard.recoveryFile().path()));
    }

    // On the test's screen (1366 x 768 or 1920 x 1080, at 100 % or 200 %) the window lies in
    // the work area with the tree, the grid, the node's check and the status lines in view.
    void fitsTheScreen() {
        testing::FakeSystemServices services;
        ProjectWindow w(&services);
        QVERIFY(!w.openFile(example("nec2023-plant.fvproj")));
        placeWindow(w, nullptr);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY2(w.screen()->availableGeometry().contains(w.frameGeometry()),
                 qPrintable(test::sizeOnScreen(w)));
        for (const char* name :
             {"treeInstallation", "gridCircuits", "grpNodeCheck", "lblFailures", "lblStatus"}) {
            const auto* part = w.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(part != nullptr, name);
            const QRect at(part->mapTo(&w, QPoint()), part->size());
            QVERIFY2(part->isVisible() && w.rect().contains(at) && part->height() > 0, name);
        }
    }
};

}  // namespace ferrovolt

namespace ferrovolt {

// The child of aKilledWindowsWorkIsOfferedBack: opens the project, changes C1's length, says
// "written" once its recovery file holds the change, and waits to be killed.
int editAndWait(int argc, char* argv[]) {
    QApplication application(argc, argv);
    testing::FakeSystemServices services;
    ProjectWindow window(&services);
    window.setAutosaveInterval(10);
    if (window.openFile(QString::fromLocal8Bit(argv[2]))) return 2;
    if (window.document().setCircuitField("C1", "length", QStringLiteral("50"))) return 3;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &window, [&window, &poll] {
        if (!QFile::exists(window.recoveryFile().path())) return;
        poll.stop();
        std::cout << "written" << std::endl;
    });
    poll.start(10);
    return QApplication::exec();
}

}  // namespace ferrovolt

int main(int argc, char* argv[]) {
    if (argc == 3 && std::strcmp(argv[1], "--edit-and-wait") == 0)
        return ferrovolt::editAndWait(argc, argv);
    QApplication application(argc, argv);
    ferrovolt::TestProjectWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_project_window.moc"
