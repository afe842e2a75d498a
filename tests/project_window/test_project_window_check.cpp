// SPDX-License-Identifier: GPL-3.0-or-later
// The Project window's node check and what leaves the window: a cable's inputs edited in the
// shared panel as a grid cell is (rechecked, one undo step, a refused text beeping with the
// focus kept), its origin's inputs given by the tree, and the project's report exported as a
// PDF that a cancel leaves unwritten, and a cable sent to the Circuit Check.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include "circuit_window/circuit_window.h"
#include "codes/code_registry.h"
#include "fake_system_services.h"
#include "project/project_file.h"
#include "project_window/circuit_grid.h"
#include "project_window/node_check_pane.h"
#include "project_window/project_window.h"
#include "source_tree.h"

namespace ferrovolt {

namespace {

// A sample project of the source folder.
QString example(const char* name) {
    return QString::fromStdString((test::sourceTree() / "examples" / name).string());
}

const QString kOffice = example("iec60364-office.fvproj");

}  // namespace

class TestProjectWindowCheck : public QObject {
    Q_OBJECT

    // The office project open with its circuit C1 chosen.
    struct Opened {
        testing::FakeSystemServices services;
        ProjectWindow window{&services};
        const CircuitGrid* model = nullptr;
        QWidget* pane = nullptr;
    };

    static void open(Opened& o) {
        QVERIFY(!o.window.openFile(kOffice));
        o.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&o.window));
        o.window.selectNode(QStringLiteral("C1"));
        o.model = o.window.findChild<const CircuitGrid*>();
        o.pane = o.window.findChild<QWidget*>(QStringLiteral("grpNodeCheck"));
    }

    static QString cell(const Opened& o, CircuitGrid::Kind kind, std::string_view key = {}) {
        return o.model->index(o.model->rowOf("C1"), o.model->columnOf(kind, key)).data().toString();
    }

    // Types `text` over an input of the pane, as a person does, and Enter.
    static QLineEdit* typeInto(Opened& o, const char* key, const QString& text) {
        auto* input = o.pane->findChild<QLineEdit*>(QString::fromLatin1(key));
        if (input == nullptr) return nullptr;
        input->setFocus();
        input->selectAll();
        QTest::keyClicks(input, text);
        QTest::keyClick(input, Qt::Key_Return);
        return input;
    }

    QTemporaryDir m_data;

private slots:
    void initTestCase() {
        QVERIFY(m_data.isValid());
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }

    // The same answers as the grid's own edit: at 300 m C1's drop (5.16 % from the origin)
    // sets 10 mm²; 16 A over 35 m needs 2.5 mm² (drop 3.89 %).
    void aPanelEditRechecksAsOneUndoStep_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("drop");
        QTest::newRow("a longer cable") << "length"
                                        << "300"
                                        << "10 mm²"
                                        << "5.16";
        QTest::newRow("a larger load") << "current"
                                       << "16"
                                       << "2.5 mm²"
                                       << "3.89";
    }

    void aPanelEditRechecksAsOneUndoStep() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(QString, size);
        QFETCH(QString, drop);
        Opened o;
        open(o);
        const QString sizeBefore = cell(o, CircuitGrid::Kind::Size);
        QLineEdit* input = typeInto(o, key.toLatin1().constData(), text);
        QVERIFY(input != nullptr);
        QCOMPARE(cell(o, CircuitGrid::Kind::Input, key.toStdString()), text);
        QCOMPARE(cell(o, CircuitGrid::Kind::Size), size);
        QCOMPARE(cell(o, CircuitGrid::Kind::Drop), drop);
        QUndoStack& undo = o.window.document().undoStack();
        QCOMPARE(undo.count(), 1);
        QCOMPARE(undo.undoText(), QStringLiteral("Edit C1 ") + key);
        // Leaving the input as it is makes no second step.
        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(undo.count(), 1);
        undo.undo();
        QCOMPARE(cell(o, CircuitGrid::Kind::Size), sizeBefore);
        QCOMPARE(input->text(), cell(o, CircuitGrid::Kind::Input, key.toStdString()));
        QCOMPARE(o.services.beeps(), 0);
    }

    void aRefusedPanelTextBeepsAndKeepsTheFocus() {
        Opened o;
        open(o);
        QLineEdit* input = typeInto(o, "length", QStringLiteral("30x"));
        QVERIFY(input != nullptr);
        QCOMPARE(o.services.beeps(), 1);
        QCOMPARE(QApplication::focusWidget(), input);
        QCOMPARE(input->text(), QStringLiteral("30x"));
        QCOMPARE(o.window.statusText(), QStringLiteral("One-way length: \"30x\" is not a number"));
        QCOMPARE(o.window.document().undoStack().count(), 0);
        // Escape puts back what the project holds, and leaving then changes nothing.
        QTest::keyClick(input, Qt::Key_Escape);
        QCOMPARE(input->text(), QStringLiteral("35"));
        QTest::keyClick(input, Qt::Key_Return);
        QCOMPARE(o.services.beeps(), 1);
        QCOMPARE(o.window.document().undoStack().count(), 0);
    }

    // C1 leaves DB1's busbar, whose maximum fault current (7.42 kA) and loop impedance
    // (0.0953 Ω) `project check` gives for DB1 as well.
    void anOriginInputIsGivenByTheTree_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("the maximum fault current") << "fault_current"
                                                   << "7419";
        QTest::newRow("the loop impedance above, Ze") << "ze"
                                                      << "0.0953";
    }

    void anOriginInputIsGivenByTheTree() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        Opened o;
        open(o);
        auto* input = o.pane->findChild<QLineEdit*>(key);
        QVERIFY(input != nullptr);
        QVERIFY(input->isReadOnly());
        QCOMPARE(input->text(), text);
        auto* note = o.pane->findChild<QLabel*>(key + QStringLiteral("Given"));
        QVERIFY(note != nullptr);
        QCOMPARE(note->text(), QStringLiteral("given by the tree at DB1"));
        // Not an input of the cable: nothing to edit, nothing to undo.
        QCOMPARE(o.window.document().undoStack().count(), 0);
    }

    // C1 is 10 A over 35 m at 230 V, on TN-C-S: the Circuit Check has no tree, so DB1's Ze is
    // typed in; C1 has no clearing time, so no fault current (as the tree's check reads it).
    void sendToCircuitCheckOpensTheCable() {
        Opened o;
        open(o);
        CircuitWindow* check = o.window.sendToCircuitCheck();
        QVERIFY(check != nullptr);
        QCOMPARE(check->code().key(), o.window.document().tree().code().key());
        const auto text = [check](const char* key) {
            auto* input = check->findChild<QLineEdit*>(QString::fromLatin1(key));
            return input != nullptr ? input->text() : QStringLiteral("(none)");
        };
        QCOMPARE(text("current"), QStringLiteral("10"));
        QCOMPARE(text("length"), QStringLiteral("35"));
        QCOMPARE(text("ze"), QStringLiteral("0.0953"));
        QCOMPARE(text("fault_current"), QString());
        QVERIFY(check->answer() != nullptr);
        QCOMPARE(check->answer()->sizeLabel(), std::string_view("1.5 mm²"));
        QCOMPARE(o.window.statusText(), QStringLiteral("Sent circuit C1 to the Circuit Check."));
        check->close();
    }

    // A board of a 25 hp and a 10 hp motor at 480 V: its feeder carries 1.25 × 34 + 14 = 56.5 A
    // by 430.24, which 60 °C terminals take on 4 AWG (6 AWG's 55 A is short of it), and its
    // device is at most 90 + 14 = 104 A, the next standard size down 100 A.
    void aBoardOfMotorsShowsItsFeeder() {
        const QString path = m_data.filePath(QStringLiteral("motors.fvproj"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray motor =
            R"("length":60,"feet":true,"phase":"three","volts":480,"raceway":"steel"}})";
        file.write(
            R"({"format":"ferrovolt-project","version":1,"code":"nec2023","supply":{"transformer":)"
            R"({"kva":500,"percent_z":5.75,"x_r":5,"secondary_volts":480},"infinite_bus":true},)"
            R"("boards":[{"id":"MCC","fed_from":"supply","cable":{"length":100,"feet":true,)"
            R"("phase":"three","volts":480,"raceway":"steel"}}],"circuits":[{"id":"M1","board":)"
            R"("MCC","cable":{"load":"motor","hp":25,)" +
            motor + R"(,{"id":"M2","board":"MCC","cable":{"load":"motor","hp":10,)" + motor + "]}");
        file.close();
        testing::FakeSystemServices services;
        ProjectWindow window(&services);
        QVERIFY(!window.openFile(path));
        window.selectNode(QStringLiteral("MCC"));
        const QString text =
            window.findChild<QTextBrowser*>(QStringLiteral("txtNodeCheck"))->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("Motors: feeder 56.5 A (430.24), feeder device at "
                                              "most 100 A (430.62(A)), dip ")),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Size: 4 AWG")), qPrintable(text));
    }

    // The supply's and a board's own fields, and a board's feeder: each edit one undo step
    // named for what it changed, the file's value as typed, undone back to the saved bytes.
    void aSupplyOrBoardEditIsOneUndoStep_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("pointer");
        QTest::addColumn<QString>("value");  // the file's, as JSON
        QTest::newRow("the transformer's rating") << "supply"
                                                  << "txtSupply_transformer_kva"
                                                  << "1000"
                                                  << "Edit supply transformer/kva"
                                                  << "/supply/transformer/kva"
                                                  << "1000";
        QTest::newRow("the transformer's X/R, in place of its %R")
            << "supply"
            << "txtSupply_transformer_x_r"
            << "5"
            << "Edit supply transformer/x_r"
            << "/supply/transformer"
            << R"({"kva":630,"percent_z":6,"x_r":5,"primary_kv":10,"secondary_volts":400})";
        QTest::newRow("the earthing system, chosen from its list") << "supply"
                                                                   << "cmbSupply_earthing"
                                                                   << "TT"
                                                                   << "Edit supply earthing"
                                                                   << "/supply/earthing"
                                                                   << "\"TT\"";
        QTest::newRow("a board's demand factor") << "DB1"
                                                 << "txtBoard_demand_factor"
                                                 << "0.8"
                                                 << "Edit DB1 demand_factor"
                                                 << "/boards/1/demand_factor"
                                                 << "0.8";
        QTest::newRow("its motors' full-load current") << "DB1"
                                                       << "txtBoard_motor_load_fla"
                                                       << "12"
                                                       << "Edit DB1 motor_load/fla"
                                                       << "/boards/1/motor_load"
                                                       << "{\"fla\":12}";
        QTest::newRow("its feeder's length, in the cable's panel") << "DB1"
                                                                   << "length"
                                                                   << "80"
                                                                   << "Edit DB1 cable/length"
                                                                   << "/boards/1/cable/length"
                                                                   << "80";
        QTest::newRow("its id, with the circuits on it") << "DB1"
                                                         << "txtBoard_id"
                                                         << "DB9"
                                                         << "Rename DB1 to DB9"
                                                         << "/circuits/1/board"
                                                         << "\"DB9\"";
        // The origin's fault level kept as Ze and Ipf: `project check` gives the office's
        // supply Isc max 16.13 kA and Zs 0.0151 Ω (the 630 kVA transformer behind the default
        // 500 MVA network); the voltage is the transformer's secondary.
        QTest::newRow("a known fault level in place of the transformer")
            << "supply"
            << "cmbSupplySource"
            << "known"
            << "Supply at a known fault level"
            << "/supply"
            << R"({"volts":400,"voltage_factor_class":6,"earthing":"TN-C-S","ze":0.0151,)"
               R"("ipf":16131})";
    }

    void aSupplyOrBoardEditIsOneUndoStep() {
        QFETCH(QString, node);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, step);
        QFETCH(QString, pointer);
        QFETCH(QString, value);
        Opened o;
        open(o);
        o.window.selectNode(node);
        const std::string saved = project::writeProject(o.window.document().tree().project());
        auto* control = o.pane->findChild<QWidget*>(input);
        QVERIFY(control != nullptr);
        QVERIFY(control->isVisibleTo(o.pane));
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            list->setFocus();
            // Down the list by keyboard to the entry.
            for (int i = 0; i < list->count() && list->currentData().toString() != text; ++i)
                QTest::keyClick(list, Qt::Key_Down);
        } else {
            auto* line = qobject_cast<QLineEdit*>(control);
            line->setFocus();
            line->selectAll();
            QTest::keyClicks(line, text);
            QTest::keyClick(line, Qt::Key_Return);
        }
        QUndoStack& undo = o.window.document().undoStack();
        QCOMPARE(undo.count(), 1);
        QCOMPARE(undo.undoText(), step);
        const auto file =
            project::Json::parse(project::writeProject(o.window.document().tree().project()));
        const project::Json::json_pointer at(pointer.toStdString());
        QCOMPARE(QString::fromStdString(file.contains(at) ? file.at(at).dump() : "null"), value);
        QCOMPARE(o.services.beeps(), 0);
        // The node stays chosen, under its new id where it was renamed.
        if (input.startsWith(QStringLiteral("txtBoard_"))) {
            QVERIFY(o.pane->findChild<QWidget*>(QStringLiteral("grpBoard"))->isVisible());
            QCOMPARE(o.pane->findChild<QLineEdit*>(QStringLiteral("txtBoard_id"))->text(),
                     input == QStringLiteral("txtBoard_id") ? text : node);
        }
        undo.undo();
        QCOMPARE(project::writeProject(o.window.document().tree().project()), saved);
        undo.redo();
        QCOMPARE(undo.count(), 1);
        QVERIFY(project::writeProject(o.window.document().tree().project()) != saved);
    }

    // The supply's and a board's own inputs are named for a screen reader and reached by Tab
    // in the order they are laid out, the inputs of the other kind of node passed over; a
    // board's go on to its feeder's.
    void theOwnInputsAreNamedAndInTabOrder_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("the supply") << "supply"
                                    << QStringList{"cmbSupplySource",
                                                   "txtSupply_volts",
                                                   "cmbSupply_phase",
                                                   "txtSupply_x_r",
                                                   "txtSupply_transformer_kva",
                                                   "txtSupply_transformer_percent_z",
                                                   "txtSupply_transformer_x_r",
                                                   "txtSupply_transformer_percent_r",
                                                   "txtSupply_transformer_primary_kv",
                                                   "txtSupply_transformer_secondary_volts",
                                                   "cmbSupply_transformer_phase",
                                                   "cmbSupply_voltage_factor_class",
                                                   "cmbSupply_earthing",
                                                   "chkSupply_infinite_bus"};
        QTest::newRow("a board fed by a cable") << "DB1"
                                                << QStringList{"txtBoard_id",
                                                               "txtBoard_fed_from",
                                                               "txtBoard_demand_factor",
                                                               "txtBoard_breaking_capacity_ka",
                                                               "txtBoard_motor_load_fla",
                                                               "txtBoard_motor_load_percent",
                                                               "chkBoardFeeder",
                                                               "current"};
    }

    void theOwnInputsAreNamedAndInTabOrder() {
        QFETCH(QString, node);
        QFETCH(QStringList, order);
        Opened o;
        open(o);
        o.window.selectNode(node);
        auto* first = o.pane->findChild<QWidget*>(order.front());
        QVERIFY(first != nullptr);
        first->setFocus();
        QStringList visited;
        for (int i = 0; i < order.size(); ++i) {
            QWidget* focus = QApplication::focusWidget();
            visited << focus->objectName();
            QVERIFY2(!focus->accessibleName().isEmpty(), qPrintable(focus->objectName()));
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
    }

    // The file's own rules, said by the field's caption; nothing changes.
    void aRefusedSupplyOrBoardTextBeepsAndKeepsTheFocus_data() {
        QTest::addColumn<QString>("node");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("status");
        QTest::newRow("no transformer of 0 kVA")
            << "supply"
            << "txtSupply_transformer_kva"
            << "0"
            << "Transformer rating (kVA): must be more than 0 and at most 1000000";
        QTest::newRow("a demand factor above 1") << "DB1"
                                                 << "txtBoard_demand_factor"
                                                 << "1.01"
                                                 << "Demand factor: must be more than 0 and at "
                                                    "most 1";
        QTest::newRow("a demand factor of 1, the top, is taken") << "DB1"
                                                                 << "txtBoard_demand_factor"
                                                                 << "1"
                                                                 << "";
        QTest::newRow("an id a circuit has") << "DB1"
                                             << "txtBoard_id"
                                             << "C1"
                                             << "Id: C1 is taken";
        QTest::newRow("a word for a number") << "DB1"
                                             << "txtBoard_breaking_capacity_ka"
                                             << "ten"
                                             << "Breaking capacity (kA): must be a number";
    }

    void aRefusedSupplyOrBoardTextBeepsAndKeepsTheFocus() {
        QFETCH(QString, node);
        QFETCH(QString, input);
        QFETCH(QString, text);
        QFETCH(QString, status);
        Opened o;
        open(o);
        o.window.selectNode(node);
        const std::string saved = project::writeProject(o.window.document().tree().project());
        auto* line = o.pane->findChild<QLineEdit*>(input);
        QVERIFY(line != nullptr);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, text);
        QTest::keyClick(line, Qt::Key_Return);
        const bool refused = !status.isEmpty();
        QCOMPARE(o.services.beeps(), refused ? 1 : 0);
        QCOMPARE(o.window.document().undoStack().count(), refused ? 0 : 1);
        if (!refused) return;
        QCOMPARE(o.window.statusText(), status);
        QCOMPARE(QApplication::focusWidget(), line);
        QCOMPARE(line->text(), text);
        QCOMPARE(project::writeProject(o.window.document().tree().project()), saved);
    }

    // "Add to project…" in the Circuit Check window adds its inputs as a circuit on the board
    // picked, one undo step; under another code than the project's it is refused.
    void addToProjectAddsTheCircuitChecked_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("status");
        QTest::newRow("under the project's code") << "iec60364"
                                                  << "Added circuit C3 to MDB.";
        QTest::newRow("under another code")
            << "nec2023"
            << "The project is checked under IEC 60364-5-52:2009, the circuit under NEC 2023: "
               "open a project of NEC 2023, or check the circuit under IEC 60364-5-52:2009.";
    }

    void addToProjectAddsTheCircuitChecked() {
        QFETCH(QString, code);
        QFETCH(QString, status);
        Opened o;
        open(o);
        const std::string saved = project::writeProject(o.window.document().tree().project());
        CircuitWindow* check = o.window.sendToCircuitCheck();
        QVERIFY(check != nullptr);
        check->setCircuit(*circuitCode(code.toStdString()), {{"current", QStringLiteral("12")}});
        auto* add = check->findChild<QPushButton*>(QStringLiteral("cmdAddToProject"));
        QVERIFY(add != nullptr);
        // The board is picked in the window's own list.
        QTimer::singleShot(0, &o.window, [] {
            if (auto* ask = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                ask->setTextValue(QStringLiteral("MDB"));
                ask->accept();
            }
        });
        add->click();
        QCOMPARE(o.window.statusText(), status);
        const bool added = status.startsWith(QStringLiteral("Added"));
        QCOMPARE(o.services.beeps(), added ? 0 : 1);
        QUndoStack& undo = o.window.document().undoStack();
        QCOMPARE(undo.count(), added ? 1 : 0);
        check->close();
        if (!added) return;
        QCOMPARE(undo.undoText(), QStringLiteral("Add C3 on MDB"));
        const project::Circuit& circuit = o.window.document().tree().project().circuits.back();
        QCOMPARE(circuit.board, std::string("MDB"));
        std::string current;
        for (const auto& [key, value] : circuit.cable)
            if (key == "current") current = project::cableFieldText(value);
        QCOMPARE(current, std::string("12"));
        QVERIFY(o.window.document().tree().circuit("C3") != nullptr);
        undo.undo();
        QCOMPARE(project::writeProject(o.window.document().tree().project()), saved);
    }

    void anExportedReportNamesTheProject() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils is not installed (scripts/install_deps.sh installs it)");
        Opened o;
        open(o);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("office.pdf"));
        QCOMPARE(o.window.exportReport(path, Paper::A4), package::ReportEnd::Written);
        QVERIFY(o.window.statusText().startsWith(QStringLiteral("Wrote the report to ") + path));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        QVERIFY(QString::fromUtf8(text.readAllStandardOutput())
                    .contains(QStringLiteral("Office 400/230 V")));
    }

    // The clipboard holds the report's diagram: a picture of every board and circuit by id.
    void theDiagramIsCopiedAsAPicture() {
        Opened o;
        open(o);
        QVERIFY(o.window.copyDiagram());
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr);
        const QString svg = QString::fromUtf8(data->data(QStringLiteral("image/svg+xml")));
        QVERIFY(svg.contains(QStringLiteral("<svg")));
        for (const char* id : {"MDB", "DB1", "C1"}) QVERIFY2(svg.contains(QLatin1String(id)), id);
        QCOMPARE(o.window.statusText(),
                 QStringLiteral("Copied the single-line diagram as a picture (SVG)."));
    }

    void aCancelledExportLeavesNoFile() {
        Opened o;
        open(o);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("office.pdf"));
        // Cancel pressed as soon as the first page has handed the event loop its turn.
        QTimer::singleShot(0, &o.window, [&o] {
            auto* progress = o.window.findChild<QProgressDialog*>();
            QVERIFY(progress != nullptr);
            progress->cancel();
        });
        QCOMPARE(o.window.exportReport(path, Paper::A4), package::ReportEnd::Cancelled);
        QVERIFY(!QFile::exists(path));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(o.window.statusText(),
                 QStringLiteral("The report was cancelled; no file was written."));
    }
};

}  // namespace ferrovolt

QTEST_MAIN(ferrovolt::TestProjectWindowCheck)
#include "test_project_window_check.moc"
