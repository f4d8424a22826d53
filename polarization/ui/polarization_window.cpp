#include "polarization/ui/polarization_window.h"

#include "alloys/alloy_catalogue.h"
#include "app/platform.h"
#include "base/ui/qt_text.h"
#include "base/ui/save_file.h"
#include "calculators/material_lookup.h"
#include "polarization/curve_readers.h"

#include <QApplication>
#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRubberBand>
#include <QScatterSeries>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace corrolab {

namespace {

constexpr const char* kTitle = "Polarization Curve";
constexpr int kFittedPoints = 400;

QList<QPointF> LogPoints(const CurveBranch& branch)
{
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(branch.potential.size()));
    for (std::size_t k = 0; k < branch.potential.size(); ++k)
        if (branch.density[k] != 0) // zero currents have no logarithm
            points.append({branch.potential[k], std::abs(branch.density[k])});
    return points;
}

} // namespace

PolarizationWindow::PolarizationWindow(
    Platform& platform, std::function<CalculatorMaterial()> frameMaterial, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , platform_(platform)
    , frameMaterial_(std::move(frameMaterial))
{
    setObjectName("PolarizationWindow");
    setWindowTitle(kTitle);
    setAcceptDrops(true);
    auto* layout = new QHBoxLayout(this);

    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignBottom);
    forward_ = new QLineSeries;
    forward_->setName("forward");
    forward_->setColor(QColor(31, 119, 180));
    reverse_ = new QLineSeries;
    reverse_->setName("reverse");
    reverse_->setColor(QColor(255, 127, 14));
    fitted_ = new QLineSeries;
    fitted_->setName("fit");
    fitted_->setPen(QPen(Qt::black, 1.5));
    anodicLine_ = new QLineSeries;
    anodicLine_->setName("Tafel lines");
    anodicLine_->setPen(QPen(QColor(214, 39, 40), 1.2, Qt::DashLine));
    cathodicLine_ = new QLineSeries;
    cathodicLine_->setPen(QPen(QColor(214, 39, 40), 1.2, Qt::DashLine));
    marker_ = new QScatterSeries;
    marker_->setName("Ecorr, icorr");
    marker_->setMarkerSize(10);
    marker_->setColor(QColor(44, 160, 44));
    xAxis_ = new QValueAxis;
    xAxis_->setTitleText("E (V)");
    yAxis_ = new QLogValueAxis;
    yAxis_->setTitleText("|i| (A/cm²)");
    yAxis_->setLabelFormat("%.0e");
    yAxis_->setBase(10);
    chart_->addAxis(xAxis_, Qt::AlignBottom);
    chart_->addAxis(yAxis_, Qt::AlignLeft);
    for (QLineSeries* series : {forward_, reverse_, fitted_, anodicLine_, cathodicLine_}) {
        chart_->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
    }
    chart_->addSeries(marker_);
    marker_->attachAxis(xAxis_);
    marker_->attachAxis(yAxis_);
    chart_->legend()->markers(cathodicLine_).front()->setVisible(false);
    chartView = new QChartView(chart_);
    chartView->setRenderHint(QPainter::Antialiasing);
    chartView->setMinimumSize(560, 400);
    chartView->viewport()->installEventFilter(this);
    band_ = new QRubberBand(QRubberBand::Rectangle, chartView->viewport());
    layout->addWidget(chartView, 1);

    auto* side = new QVBoxLayout;
    auto* choices = new QHBoxLayout;
    method = new QComboBox;
    for (const auto m : {PolarizationMethod::ButlerVolmer, PolarizationMethod::Tafel,
             PolarizationMethod::Mixed, PolarizationMethod::Lpr})
        method->addItem(Q(std::string(MethodWord(m))));
    unit = new QComboBox;
    for (const std::string& name : RateUnitNames())
        unit->addItem(Q(name));
    unit->setCurrentText(Q(std::string(kMillimetresPerYear)));
    choices->addWidget(new QLabel("Method"));
    choices->addWidget(method);
    choices->addWidget(new QLabel("Rate in"));
    choices->addWidget(unit);
    side->addLayout(choices);
    auto* materials = new QHBoxLayout;
    materialSource = new QComboBox;
    materialSource->addItems(
        {"The file's EW and density", "The main window's material", "Metal, alloy or composition"});
    materialSource->setToolTip("Where the equivalent weight and density of the rate come from");
    materialName = new QComboBox;
    materialName->setEditable(true);
    for (const BaseMetal& base : AlloyCatalogue())
        for (const Alloy& alloy : base.alloys)
            materialName->addItem(Q(alloy.name));
    materialName->setCurrentText("");
    materialName->lineEdit()->setPlaceholderText("Fe, 70Cu 30Zn or a catalogue alloy");
    materialName->completer()->setFilterMode(Qt::MatchContains);
    materialName->completer()->setCompletionMode(QCompleter::PopupCompletion);
    materialName->setMinimumContentsLength(16);
    materialName->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    equivalentWeightMethod = new QComboBox;
    equivalentWeightMethod->addItems({"Classic", "ASTM G102"});
    equivalentWeightMethod->setToolTip("Which equivalent weight the named material gives");
    materials->addWidget(new QLabel("Material"));
    materials->addWidget(materialSource);
    materials->addWidget(materialName, 1);
    materials->addWidget(equivalentWeightMethod);
    side->addLayout(materials);
    results = new QTableWidget(0, 2);
    results->setHorizontalHeaderLabels({"Figure", "Value"});
    results->verticalHeader()->hide();
    results->horizontalHeader()->setStretchLastSection(true);
    results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    results->setMinimumWidth(360);
    side->addWidget(results, 1);
    status = new QLabel("Open a polarization curve, or drop its file here.");
    status->setWordWrap(true);
    side->addWidget(status);
    auto* buttons = new QHBoxLayout;
    openButton = new QPushButton("&Open…");
    copyButton = new QPushButton("&Copy");
    savePlotButton = new QPushButton("Save &Plot…");
    saveResultsButton = new QPushButton("Save &Results…");
    for (QPushButton* button : {openButton, copyButton, savePlotButton, saveResultsButton})
        buttons->addWidget(button);
    side->addLayout(buttons);
    layout->addLayout(side);

    connect(method, &QComboBox::currentIndexChanged, this, [this] {
        window_.reset();
        Analyse();
    });
    connect(unit, &QComboBox::currentIndexChanged, this, [this] { Analyse(); });
    const auto namedEnabled = [this] {
        const bool named = materialSource->currentIndex() == 2;
        materialName->setEnabled(named);
        equivalentWeightMethod->setEnabled(named);
    };
    namedEnabled();
    connect(materialSource, &QComboBox::currentIndexChanged, this, [this, namedEnabled] {
        namedEnabled();
        Analyse();
    });
    connect(materialName, &QComboBox::currentTextChanged, this, [this] { Analyse(); });
    connect(equivalentWeightMethod, &QComboBox::currentIndexChanged, this, [this] { Analyse(); });
    connect(openButton, &QPushButton::clicked, this, [this] { AskOpen(); });
    connect(copyButton, &QPushButton::clicked, this, [this] {
        if (report_)
            QApplication::clipboard()->setText(Q(ReportTabSeparated(*report_)));
    });
    connect(savePlotButton, &QPushButton::clicked, this, [this] { AskSavePlot(); });
    connect(saveResultsButton, &QPushButton::clicked, this, [this] { AskSaveResults(); });
    ShowResult();
}

bool PolarizationWindow::OpenFile(const std::filesystem::path& file)
{
    const CurveRead read = ReadCurveFile(file);
    fileName_ = file.filename().string();
    if (!read.curve) {
        curve_.reset();
        report_.reset();
        error_ = fileName_ + ": " + read.error;
        ShowCurve();
        ShowResult();
        return false;
    }
    OpenCurve(std::move(*read.curve), fileName_);
    return report_.has_value();
}

void PolarizationWindow::OpenCurve(PolarizationCurve curve, const std::string& name)
{
    fileName_ = name;
    curve_ = std::move(curve);
    split_ = SplitAtApex(*curve_, curve_->area.value_or(1));
    window_.reset();
    // The file's own material is offered only when the file gives one.
    const bool fileMaterial = curve_->equivalentWeight && curve_->density;
    if (auto* items = qobject_cast<QStandardItemModel*>(materialSource->model()))
        items->item(0)->setEnabled(fileMaterial);
    if (!fileMaterial && materialSource->currentIndex() == 0) {
        const QSignalBlocker blocker(materialSource);
        materialSource->setCurrentIndex(1);
    }
    ShowCurve();
    Analyse();
}

void PolarizationWindow::SetFitWindow(PotentialWindow window)
{
    window_ = window;
    Analyse();
}

void PolarizationWindow::DragAcross(QPoint from, QPoint to)
{
    if (!curve_ || !report_)
        return;
    const auto value = [&](QPoint p) {
        return chart_->mapToValue(chart_->mapFromScene(chartView->mapToScene(p)), forward_).x();
    };
    const double a = value(from) - report_->result.ecorr.value;
    const double b = value(to) - report_->result.ecorr.value;
    if (std::abs(a - b) < 1e-4)
        return;
    SetFitWindow({std::min(a, b), std::max(a, b)});
}

void PolarizationWindow::Analyse()
{
    report_.reset();
    error_.clear();
    if (!curve_) {
        ShowResult();
        return;
    }
    AnalysisOptions options;
    options.method = *PolarizationMethodFromWord(method->currentText().toStdString());
    if (window_) {
        if (options.method == PolarizationMethod::Tafel) {
            // A drag above Ecorr sets the anodic region, below it the cathodic one.
            (window_->low + window_->high > 0 ? options.anodic : options.cathodic) = *window_;
        } else if (options.method == PolarizationMethod::Lpr) {
            options.lprRange = std::max(std::abs(window_->low), std::abs(window_->high));
        } else {
            options.window = *window_;
        }
    }
    const PolarizationAnalysis analysis = AnalyseBranch(split_.forward, options);
    if (!analysis.result) {
        error_ = fileName_ + ": " + analysis.error;
        ShowResult();
        return;
    }
    std::string refusal;
    const RateMaterial material = ChosenMaterial(refusal);
    report_ = MakeReport(
        *analysis.result, curve_->area.value_or(1), material, unit->currentText().toStdString());
    error_ = refusal;
    ShowResult();
}

RateMaterial PolarizationWindow::ChosenMaterial(std::string& refusal) const
{
    const int source = materialSource->currentIndex();
    if (source == 2) {
        const std::string name = materialName->currentText().trimmed().toStdString();
        const HandBackMethod method = equivalentWeightMethod->currentIndex() == 1
            ? HandBackMethod::G102
            : HandBackMethod::Classic;
        const Checked<CalculatorMaterial> looked = name.empty()
            ? Checked<CalculatorMaterial>(
                InputError {"material", "type a metal, an alloy or a composition"})
            : LookUpMaterial(KindOfName(name), name, method);
        if (looked)
            return {*looked, MaterialOrigin::Typed};
        refusal = "No rate: " + looked.error().message + ".";
        return {{name, 0, 0}, MaterialOrigin::Typed};
    }
    if (source == 0) {
        const RateMaterial file = MaterialOfCurve(*curve_);
        if (file.origin == MaterialOrigin::File || !frameMaterial_)
            return file;
    }
    return {frameMaterial_ ? frameMaterial_() : IronMaterial(), MaterialOrigin::MainWindow};
}

void PolarizationWindow::ShowCurve()
{
    forward_->replace(curve_ ? LogPoints(split_.forward) : QList<QPointF> {});
    reverse_->replace(curve_ ? LogPoints(split_.reverse) : QList<QPointF> {});
    if (!curve_)
        return;
    double low = 0;
    double high = 0;
    double smallest = 0;
    double largest = 0;
    bool first = true;
    for (const CurveBranch* branch : {&split_.forward, &split_.reverse})
        for (const QPointF& p : LogPoints(*branch)) {
            low = first ? p.x() : std::min(low, p.x());
            high = first ? p.x() : std::max(high, p.x());
            smallest = first ? p.y() : std::min(smallest, p.y());
            largest = first ? p.y() : std::max(largest, p.y());
            first = false;
        }
    if (first)
        return;
    xAxis_->setRange(low, high);
    // Near Ecorr the current passes through zero: the axis shows at most seven
    // decades below the largest current rather than every digit of that dip.
    constexpr double kDecadesShown = 7;
    const double top = std::ceil(std::log10(largest));
    const double bottom = std::max(std::floor(std::log10(smallest)), top - kDecadesShown);
    yAxis_->setRange(std::pow(10.0, bottom), std::pow(10.0, top));
}

void PolarizationWindow::ShowResult()
{
    fitted_->clear();
    anodicLine_->clear();
    cathodicLine_->clear();
    marker_->clear();
    results->setRowCount(0);
    if (!report_) {
        if (!error_.empty())
            status->setText(Q(error_));
        return;
    }
    const PolarizationResult& r = report_->result;
    const double low = xAxis_->min();
    const double high = xAxis_->max();
    QList<QPointF> fit;
    for (const auto& [e, i] :
        FittedCurve(r, r.ecorr.value + r.window.low, r.ecorr.value + r.window.high, kFittedPoints))
        if (i != 0)
            fit.append({e, std::abs(i)});
    fitted_->replace(fit);
    const auto tafel
        = [&](const std::optional<TafelLine>& line, QLineSeries* series, double from, double to) {
              if (!line)
                  return;
              series->append(from, std::pow(10.0, line->intercept + line->slope * from));
              series->append(to, std::pow(10.0, line->intercept + line->slope * to));
          };
    tafel(r.anodicLine, anodicLine_, r.ecorr.value, high);
    tafel(r.cathodicLine, cathodicLine_, low, r.ecorr.value);
    marker_->append(r.ecorr.value, r.icorr.value);
    const std::vector<ReportLine> lines = ReportLines(*report_);
    results->setRowCount(static_cast<int>(lines.size()));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        results->setItem(static_cast<int>(k), 0, new QTableWidgetItem(Q(lines[k].label)));
        results->setItem(static_cast<int>(k), 1, new QTableWidgetItem(Q(lines[k].value)));
    }
    results->resizeColumnToContents(0);
    status->setText(error_.empty() ? Q(fileName_ + " (" + curve_->format
                        + "): drag across the plot to set the fit window.")
                                   : Q(error_));
}

void PolarizationWindow::AskOpen()
{
    const auto file = platform_.ChooseFileToOpen(this, "Open a polarization curve",
        "Polarization curves (*.DTA *.dta *.mpt *.txt *.csv *.tsv *.dat);;All files (*)");
    if (file && !OpenFile(*file))
        platform_.Tell(this, kTitle, error_, Platform::Icon::Warning);
}

bool PolarizationWindow::SavePlot(const std::filesystem::path& file)
{
    const QSize size = chartView->size();
    if (file.extension() == ".svg") {
        return WriteFileAtomically(file, [&](QIODevice& device) {
            QSvgGenerator svg;
            svg.setOutputDevice(&device);
            svg.setSize(size);
            svg.setViewBox(QRect(QPoint(0, 0), size));
            svg.setTitle(kTitle);
            QPainter painter(&svg);
            chartView->render(&painter);
            return painter.end();
        });
    }
    const QPixmap image = chartView->grab();
    return WriteFileAtomically(file, [&](QIODevice& device) { return image.save(&device, "PNG"); });
}

bool PolarizationWindow::SaveResults(const std::filesystem::path& file)
{
    if (!report_)
        return false;
    const std::string csv = ReportCsv(*report_);
    return WriteFileAtomically(file, [&](QIODevice& device) {
        return device.write(csv.data(), static_cast<qint64>(csv.size()))
            == static_cast<qint64>(csv.size());
    });
}

void PolarizationWindow::AskSavePlot()
{
    auto file = platform_.AskSaveFile(
        this, "Save the plot", "polarization.png", "PNG images (*.png);;SVG drawings (*.svg)");
    if (!file)
        return;
    if (file->extension().empty())
        file->replace_extension(".png");
    if (!SavePlot(*file))
        platform_.Tell(this, kTitle, "The plot could not be written to " + file->string() + ".",
            Platform::Icon::Warning);
}

void PolarizationWindow::AskSaveResults()
{
    if (!report_) {
        platform_.Tell(this, kTitle, "There are no figures to save.", Platform::Icon::Warning);
        return;
    }
    auto file
        = platform_.AskSaveFile(this, "Save the figures", "polarization.csv", "CSV files (*.csv)");
    if (!file)
        return;
    if (file->extension().empty())
        file->replace_extension(".csv");
    if (!SaveResults(*file))
        platform_.Tell(this, kTitle, "The figures could not be written to " + file->string() + ".",
            Platform::Icon::Warning);
}

void PolarizationWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void PolarizationWindow::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    if (!OpenFile(urls.front().toLocalFile().toStdString()))
        platform_.Tell(this, kTitle, error_, Platform::Icon::Warning);
}

bool PolarizationWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != chartView->viewport())
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    // Only the mouse events are QMouseEvents: the viewport gets paint, resize
    // and hover events through the same filter.
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton) {
            dragStart_ = mouse->position().toPoint();
            band_->setGeometry(QRect(*dragStart_, QSize()));
            band_->show();
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (dragStart_) {
            const QPoint now = mouse->position().toPoint();
            band_->setGeometry(QRect(QPoint(std::min(dragStart_->x(), now.x()), 0),
                QPoint(std::max(dragStart_->x(), now.x()), chartView->viewport()->height())));
            DragAcross(*dragStart_, now); // the figures follow while dragging
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (dragStart_) {
            DragAcross(*dragStart_, mouse->position().toPoint());
            dragStart_.reset();
            band_->hide();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace corrolab
