// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frm_options.h"

#include <QAbstractButton>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include "ferrovolt_version.h"
#include "fonts.h"
#include "pictures.h"
#include "services/system_services.h"
#include "splash/frm_splash.h"
#include "splash/hand_cursor.h"
#include "splash/web_site.h"
#include "window/accessibility.h"
#include "window/circuit_check_links.h"
#include "window/click_label.h"
#include "window/conduit_fill_link.h"
#include "window/controls.h"
#include "window/input/input_handling.h"
#include "window/keyboard_commands.h"
#include "window/project_link.h"
#include "window/results_copy.h"
#include "window/ss_tab.h"
#include "window/twips.h"

namespace ferrovolt {

namespace {

constexpr int kClientWidthTwips = 5400;
constexpr int kClientHeightTwips = 5835;
constexpr TwipsRect kTabPlace{120, 120, 5205, 5520};
// The window definition leaves "Compare Gauges" current; start-up moves to tab 0.
constexpr int kDefinitionTab = 3;
// How long after the first show the frame may still arrive.
constexpr int kFrameWaitMs = 2000;

const std::array<QString, SSTab::kTabCount> kTabCaptions{
    QStringLiteral("Area / Weight"), QStringLiteral("Conduit Capacity"),
    QStringLiteral("Resistivity"),   QStringLiteral("Compare Gauges"),
    QStringLiteral("Voltage Drop"),  QStringLiteral("Conductor Sizing")};

template <typename Handler>
void onSelected(QRadioButton* option, QObject* context, Handler handler) {
    QObject::connect(option, &QAbstractButton::toggled, context, [handler](bool selected) {
        if (selected) handler();
    });
}

}  // namespace

frmOptions::frmOptions(SystemServices& services, QWidget* parent)
    // A fixed window: title bar, minimise and close, nothing to maximise.
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_services(services),
      m_splash(services) {
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("frmOptions"));
    setFont(interfaceFont());
    setFixedSize(twips(kClientWidthTwips), twips(kClientHeightTwips));
}

void frmOptions::buildPages() {
    if (m_sstab != nullptr) return;
    // Every size of the icon is decoded when it is set; the splash, a window of its own,
    // takes it once it is on the screen.
    setWindowIcon(programIcon());
    if (QWidget* splash = m_splash.window()) splash->setWindowIcon(windowIcon());

    m_sstab = new SSTab(kTabCaptions, kDefinitionTab, this);
    m_sstab->setObjectName(QStringLiteral("SSTab"));
    m_sstab->setGeometry(toPixels(kTabPlace));

    const QString address = makerAddress();
    m_areaWeight = buildAreaWeightTab(m_sstab->page(0), address);
    m_conduit = buildConduitTab(m_sstab->page(1), address);
    m_resistivity = buildResistivityTab(m_sstab->page(2), address);
    m_compare = buildCompareTab(m_sstab->page(3), address);
    m_voltageDrop = buildVoltageDropTab(m_sstab->page(4), address);
    m_sizing = buildSizingTab(m_sstab->page(5), address);

    m_urlLabels = {m_compare.link,        m_resistivity.footer.link, m_areaWeight.footer.link,
                   m_conduit.footer.link, m_voltageDrop.footer.link, m_sizing.footer.link};
    m_images = {m_areaWeight.footer.logo, m_voltageDrop.footer.logo, m_sizing.footer.logo,
                m_conduit.footer.logo, m_resistivity.footer.logo};
    m_infos = {m_areaWeight.footer.info, m_voltageDrop.footer.info, m_sizing.footer.info,
               m_conduit.footer.info, m_resistivity.footer.info};

    connectHandlers();
    m_resultsCopy = new ResultsCopy(*this);  // the window's child, gone with it
    // After the results' outline has its place in the Tab order: the links go before it.
    new CircuitCheckLinks(this, m_tables, m_voltageDrop, m_sizing);  // the window's child
    new ConduitFillLink(this, m_services, m_conduit, m_tables);      // likewise
    new ProjectLink(this, m_services, m_voltageDrop);                // likewise
    m_input = std::make_unique<InputHandling>(*this, m_tables, m_services);
    new KeyboardCommands(*this, *m_sstab, [this](int tab) { m_resultsCopy->copyResults(tab); });
    setUpAccessibility(*this);
}

frmOptions::~frmOptions() = default;

void frmOptions::connectHandlers() {
    connect(m_sstab, &SSTab::currentChanged, this, [this](int previous) { SSTab_Click(previous); });
    connect(m_sstab, &SSTab::tabRequested, this, [this](int tab) { switchTab(tab); });

    connect(m_areaWeight.calculate, &QAbstractButton::clicked, this, [this] { cmdCalc_Click(0); });
    connect(m_resistivity.calculate, &QAbstractButton::clicked, this, [this] { cmdCalc_Click(2); });
    connect(m_conduit.calculate, &QAbstractButton::clicked, this, [this] { cmdCalc2_Click(); });
    connect(m_voltageDrop.calculate, &QAbstractButton::clicked, this,
            [this] { cmdCalc4_Click(1); });
    connect(m_sizing.calculate, &QAbstractButton::clicked, this, [this] { cmdCalc4_Click(2); });

    connect(m_compare.VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    for (int i = 0; i < 3; ++i)
        onSelected(m_compare.optGauge[static_cast<std::size_t>(i)], this,
                   [this, i] { optGauge_Click(i); });
    for (int i = 0; i < 2; ++i) {
        onSelected(m_conduit.optMeasure[static_cast<std::size_t>(i)], this,
                   [this, i] { optMeasure_Click(i); });
        onSelected(m_conduit.optCapacity[static_cast<std::size_t>(i)], this,
                   [this, i] { optCapacity_Click(i); });
    }
    onSelected(m_voltageDrop.optstd1, this, [this] { optstd_Click(1); });
    onSelected(m_sizing.lengthUnit[0], this, [this] { optstd_Click(2); });
    onSelected(m_voltageDrop.optstd3, this, [this] { optstd_Click(3); });
    onSelected(m_sizing.lengthUnit[1], this, [this] { optstd_Click(4); });

    for (int i = 0; i < static_cast<int>(m_urlLabels.size()); ++i)
        connect(m_urlLabels[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { URL_Label1_Click(i); });
    for (int i = 0; i < static_cast<int>(m_images.size()); ++i) {
        connect(m_images[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { Image1_Click(i); });
        connect(m_infos[static_cast<std::size_t>(i)], &ClickLabel::clicked, this,
                [this, i] { imgInfo_Click(i); });
    }
}

void frmOptions::Form_Load() {
    // Centred on the size known now; once shown, again with the frame the desktop gives it.
    centreFrame();
    m_centreWithFrame = true;

    // The splash stays in front of this window while both could be seen. It goes up first:
    // the pages are built during its wait, once it has been painted, or after the wait at
    // the latest.
    ShowSplashFor(m_splash, m_services, this, 6.0F, [this] { buildPages(); });
    buildPages();

    for (ClickLabel* link : m_urlLabels) link->setCursor(linkCursor());

    m_sstab->setCurrentTab(0);
    SSTab_Click(0);

    setWindowTitle(QStringLiteral(FERROVOLT_TITLE " %1.%2").arg(kVersionMajor).arg(kVersionMinor));

    for (QFrame* frame : findChildren<QFrame*>())
        if (frame->property(kBorderUntilStartup).toBool()) frame->setFrameShape(QFrame::NoFrame);

    const QString degree(QChar(0x00B0));
    for (QRadioButton* option : m_resistivity.optTemp) option->setText(degree + option->text());
    m_resistivity.Label3_18->setText(degree + m_resistivity.Label3_18->text());

    InitTables(m_tables);

    // The picture file is read anew for every control; without it the pictures keep the
    // ordinary pointer.
    for (std::size_t i = 0; i < m_images.size(); ++i) {
        m_images[i]->setToolTip(QStringLiteral("Click for 'About' info."));
        m_images[i]->setCursor(loadHandCursor().value_or(QCursor(Qt::ArrowCursor)));
        m_infos[i]->setCursor(loadHandCursor().value_or(QCursor(Qt::ArrowCursor)));
    }
}

void frmOptions::switchTab(int tab) {
    if (tab < 0 || tab >= SSTab::kTabCount) return;
    if (!m_input->moveFocusTo(*m_sstab->tabButton(tab))) return;
    m_sstab->setCurrentTab(tab);
}

void frmOptions::centreFrame() {
    // Without a screen the window stays where it is.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - frameGeometry().width()) / 2,
             area.top() + (area.height() - frameGeometry().height()) / 2);
    }
}

void frmOptions::centreOnceFramed() {
    // The frame is known once the window manager has put it around the window: then centre
    // the whole frame, once.
    if (!m_centreWithFrame || frameGeometry().size() == size()) return;
    m_centreWithFrame = false;
    centreFrame();
}

void frmOptions::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    centreOnceFramed();
    // A desktop that draws no frame, or one the user moves at once, is left alone after this.
    if (m_centreWithFrame)
        QTimer::singleShot(kFrameWaitMs, this, [this] { m_centreWithFrame = false; });
}

void frmOptions::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    centreOnceFramed();
}

void frmOptions::refuse(QWidget* field) {
    // A calculation of the tab just left (pressed as its list loses the focus) must not pull
    // the focus onto a page that is no longer shown: the user could not see where typing
    // goes, and two such tabs would hand the focus back and forth for ever.
    if (field && field->isVisible()) field->setFocus(Qt::OtherFocusReason);
    m_services.beep();
}

}  // namespace ferrovolt
