// The panes of the data view below its grid: the decoded fields of the
// selected row, the AIS targets, the raw monitor and the stream's counters,
// and the pause button and filter box above it.
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstring>

#include "DataView.h"
#include "DeviceLink.h"
#include "FieldNames.h"
#include "LogReplay.h"
#include "TForm1.h"
#include "ais/AisFieldValue.h"
#include "ais/AisState.h"
#include "sentence/FieldText.h"
#include "sentence/LenientLine.h"

namespace varo {
namespace {

enum AisColumn {
    kMmsi,
    kShipName,
    kCallSign,
    kShipType,
    kLatitude,
    kLongitude,
    kSog,
    kCog,
    kHeading,
    kLastSeen,
    kMessages,
    kAisColumns
};

QTableWidget* MakeTable(QWidget* parent, const char* name, int columns) {
    auto* table = new QTableWidget(0, columns, parent);
    table->setObjectName(QString::fromLatin1(name));
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(20);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setWordWrap(false);
    return table;
}

// Sets a cell's text, or a number that sorts as a number.
void SetItem(QTableWidget& table, int row, int column, const QVariant& value) {
    QTableWidgetItem* item = table.item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        table.setItem(row, column, item);
    }
    if (item->data(Qt::DisplayRole) != value) item->setData(Qt::DisplayRole, value);
}

void SetHeaders(QTableWidget& table, const QString& joined) {
    const QStringList labels = joined.split(QLatin1Char('|'));
    if (labels.size() != table.columnCount()) return;
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem* item = table.horizontalHeaderItem(column);
        if (item == nullptr || item->text() != labels[column])
            table.setHorizontalHeaderItem(column, new QTableWidgetItem(labels[column]));
    }
}

// Degrees as "ddd mm.mmm' H", "" when not available.
QString Angle(double degrees, double missing, char positive, char negative) {
    if (std::fabs(degrees) >= missing) return {};
    return QString::fromStdString(AngleText(degrees, positive, negative));
}

QString Number(double value, double missing) {
    return value >= missing ? QString() : QString::number(value, 'f', 1);
}

// The value of one AIS field, "" when the message says not available.
QString AisValueText(const AisField& field, const AisFieldValue& value, QString& unit) {
    switch (field.coding) {
    case acLatitude:
        return Angle(value.real, 91, 'N', 'S');
    case acLongitude:
        return Angle(value.real, 181, 'E', 'W');
    case acCourse:
        unit = QStringLiteral("deg");
        return Number(value.real, 360);
    case acHeading:
        unit = QStringLiteral("deg");
        return value.integer == 511 ? QString() : QString::number(value.integer);
    case acRateOfTurn:
        unit = QStringLiteral("deg/min");
        break;
    default:
        break;
    }
    switch (value.kind) {
    case AisFieldValue::Kind::Integer:
        return QString::number(value.integer);
    case AisFieldValue::Kind::Real:
        if (field.name.find("peed") != std::string_view::npos) {
            unit = QStringLiteral("kn");
            return Number(value.real, 102.25);
        }
        return QString::number(value.real, 'g', 7);
    case AisFieldValue::Kind::Text:
        return QString::fromLatin1(value.text.data(), static_cast<qsizetype>(value.text.size()))
            .trimmed();
    case AisFieldValue::Kind::Binary:
        unit = QStringLiteral("hex");
        return QString::fromStdString(AisBinaryHex(value));
    }
    return {};
}

QString StampText(const AisStamp& stamp) {
    if (stamp.year == 0) return {};
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(stamp.year, 4, 10, QLatin1Char('0'))
        .arg(stamp.month, 2, 10, QLatin1Char('0'))
        .arg(stamp.day, 2, 10, QLatin1Char('0'))
        .arg(stamp.hour, 2, 10, QLatin1Char('0'))
        .arg(stamp.minute, 2, 10, QLatin1Char('0'))
        .arg(stamp.second, 2, 10, QLatin1Char('0'));
}

QString FixedText(const char* text, std::size_t capacity) {
    return QString::fromLatin1(text, static_cast<qsizetype>(strnlen(text, capacity)))
        .remove(QLatin1Char('@'))
        .trimmed();
}

} // namespace

void DataView::BuildPanes() {
    QTableWidget* grid = form.StringGrid1;
    QWidget* page = grid->parentWidget();
    auto* fill = static_cast<QVBoxLayout*>(page->layout());
    grid->setColumnCount(kRate + 1);
    grid->setColumnWidth(kCount, 60);
    grid->setColumnWidth(kRate, 70);
    // The counts stand before the sentence: the Data column stays the last
    // one on screen and takes the room a wider window gives.
    grid->horizontalHeader()->moveSection(kData, kRate);

    auto* bar = new QHBoxLayout;
    btnPauseView = new QToolButton(page);
    btnPauseView->setObjectName(QStringLiteral("btnPauseView"));
    btnPauseView->setCheckable(true);
    edtViewFilter = new QLineEdit(page);
    edtViewFilter->setObjectName(QStringLiteral("edtViewFilter"));
    edtViewFilter->setClearButtonEnabled(true);
    lblDataCounters = new QLabel(page);
    lblDataCounters->setObjectName(QStringLiteral("lblDataCounters"));
    bar->addWidget(btnPauseView);
    bar->addWidget(edtViewFilter, 1);
    fill->insertLayout(0, bar);

    auto* splitter = new QSplitter(Qt::Vertical, page);
    splitter->setObjectName(QStringLiteral("DataViewSplitter"));
    fill->replaceWidget(grid, splitter);
    splitter->addWidget(grid);
    DataPanes = new QTabWidget(splitter);
    DataPanes->setObjectName(QStringLiteral("DataPanes"));
    splitter->addWidget(DataPanes);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    fill->addWidget(lblDataCounters);

    DetailGrid = MakeTable(DataPanes, "DetailGrid", 3);
    DetailGrid->setColumnWidth(0, 260);
    DetailGrid->setColumnWidth(1, 220);
    DetailGrid->horizontalHeader()->setStretchLastSection(true);
    AisTargetGrid = MakeTable(DataPanes, "AisTargetGrid", kAisColumns);
    AisTargetGrid->setSortingEnabled(true);
    AisTargetGrid->sortByColumn(kMmsi, Qt::AscendingOrder);
    RawMonitorText = new QPlainTextEdit(DataPanes);
    RawMonitorText->setObjectName(QStringLiteral("RawMonitorText"));
    RawMonitorText->setReadOnly(true);
    RawMonitorText->setLineWrapMode(QPlainTextEdit::NoWrap);
    RawMonitorText->setMaximumBlockCount(static_cast<int>(RawMonitor::kCapacity));
    RawMonitorText->setFont(QFont(QStringLiteral("Monospace")));
    DataPanes->addTab(DetailGrid, QString());
    DataPanes->addTab(AisTargetGrid, QString());
    DataPanes->addTab(RawMonitorText, QString());

    QObject::connect(btnPauseView, &QToolButton::toggled, &form,
                     [this](bool on) { SetPaused(on); });
    QObject::connect(edtViewFilter, &QLineEdit::textChanged, &form,
                     [this](const QString& text) { SetFilter(text); });
    QObject::connect(DataPanes, &QTabWidget::currentChanged, &form, [this] {
        aisChanged = true;
        aisPaintedAt = {};
    });
    ShowPaneTexts();
}

void DataView::ShowPaneTexts() {
    const UiTexts& texts = form.FTexts;
    btnPauseView->setText(texts.PauseView);
    edtViewFilter->setPlaceholderText(texts.ViewFilter);
    DataPanes->setTabText(0, texts.DataPaneDetail);
    DataPanes->setTabText(1, texts.DataPaneAis);
    DataPanes->setTabText(2, texts.DataPaneRaw);
    const QStringList counts = texts.GridCountColumns.split(QLatin1Char('|'));
    for (int column = kCount; column <= kRate && column - kCount < counts.size(); ++column)
        form.StringGrid1->setHorizontalHeaderItem(column,
                                                  new QTableWidgetItem(counts[column - kCount]));
    SetHeaders(*DetailGrid, texts.DetailColumns);
    SetHeaders(*AisTargetGrid, texts.AisColumns);
    if (replay != nullptr) replay->ShowTexts();
}

std::array<QString, kLineDropCount> DataView::DropReasons() const {
    const UiTexts& texts = form.FTexts;
    return {QString(),         texts.DropChecksum,    texts.DropEnding,
            texts.DropTooLong, texts.DropNotSentence, texts.DropUnknownFormatter};
}

void DataView::ShowCounters() {
    const LinkHealth& health = form.FLink->FHealth;
    const QString text = form.FTexts.DataCounters.arg(linesShown)
                             .arg(health.DroppedChecksum())
                             .arg(health.DroppedEnding())
                             .arg(health.DroppedTooLong())
                             .arg(unknownFormatter)
                             .arg(health.DroppedNotSentence())
                             .arg(health.GarbageBytes());
    if (lblDataCounters->text() != text) lblDataCounters->setText(text);
}

void DataView::ShowDetail() {
    QTableWidget& detail = *DetailGrid;
    std::vector<std::array<QString, 3>> lines;
    if (detailRow != 0) {
        const Row& row = rows[static_cast<std::size_t>(detailRow - 1)];
        // The lenient reading explains what the receive path would refuse;
        // it is for display only and stores nothing.
        LenientLine lenient;
        SentenceRecord record{};
        if (ReadLenientLine(std::string_view(row.line, row.length), lenient, record)) {
            for (const FieldText& field : DescribeFields(record, true))
                lines.push_back({QString::fromStdString(field.name),
                                 QString::fromStdString(field.value),
                                 QString::fromLatin1(field.unit.data(),
                                                     static_cast<qsizetype>(field.unit.size()))});
        }
        if (row.hasAis) {
            lines.push_back({form.FTexts.AisMessageType.arg(row.aisMessage.bytes[0]), {}, {}});
            for (const AisNamedValue& named : AisMessageValues(row.aisMessage)) {
                QString unit;
                QString value = AisValueText(*named.field, named.value, unit);
                lines.push_back({QStringLiteral("  ") +
                                     QString::fromStdString(FieldDisplayName(named.field->name)),
                                 value, value.isEmpty() ? QString() : unit});
            }
        }
    }
    detail.setRowCount(static_cast<int>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i);
        // Names and units in the chosen language; the values stay as decoded.
        const QString name = lines[i][0];
        const qsizetype indent = name.size() - name.trimmed().size();
        SetItem(detail, row, 0,
                name.left(indent) + TranslatedFieldName(form.FTexts.FieldNames, name.trimmed()));
        const bool heading =
            lines[i][0].startsWith(form.FTexts.AisMessageType.section(QLatin1Char('%'), 0, 0));
        const bool missing = lines[i][1].isEmpty() && !heading;
        SetItem(detail, row, 1, missing ? form.FTexts.NotAvailable : lines[i][1]);
        detail.item(row, 1)->setForeground(missing ? QBrush(Qt::gray) : QBrush());
        SetItem(detail, row, 2, form.FTexts.Units.value(lines[i][2], lines[i][2]));
    }
}

void DataView::ShowAisTargets() {
    QTableWidget& table = *AisTargetGrid;
    const AisTargetTable& targets = ais->decoder.targets;
    std::vector<int> shown;
    for (int i = 0; i < targets.count && i < kAisTargetCapacity; ++i) {
        const AisTarget& target = targets.entries[i];
        if (target.mmsi != 0 || target.vdoCount != 0) shown.push_back(i);
    }
    table.setSortingEnabled(false);
    table.setRowCount(static_cast<int>(shown.size()));
    for (std::size_t r = 0; r < shown.size(); ++r) {
        const int row = static_cast<int>(r);
        const AisTarget& t = targets.entries[shown[r]];
        const bool own = shown[r] == 0;
        QString name = FixedText(t.name, sizeof t.name);
        if (own) name = QStringLiteral("[%1] %2").arg(form.FTexts.OwnVessel, name).trimmed();
        SetItem(table, row, kMmsi, static_cast<qulonglong>(t.mmsi));
        SetItem(table, row, kShipName, name);
        SetItem(table, row, kCallSign, FixedText(t.callSign, sizeof t.callSign));
        SetItem(table, row, kShipType,
                t.shipType == 0 ? QVariant(QString()) : QVariant(t.shipType));
        SetItem(table, row, kLatitude, Angle(t.latitude, 91, 'N', 'S'));
        SetItem(table, row, kLongitude, Angle(t.longitude, 181, 'E', 'W'));
        SetItem(table, row, kSog, t.speed >= 102.25f ? QVariant(QString()) : QVariant(t.speed));
        SetItem(table, row, kCog, t.course >= 360 ? QVariant(QString()) : QVariant(t.course));
        SetItem(table, row, kHeading, t.heading >= 360 ? QVariant(QString()) : QVariant(t.heading));
        SetItem(table, row, kLastSeen, StampText(t.lastUpdate));
        SetItem(table, row, kMessages, static_cast<qulonglong>(t.vdmCount + t.vdoCount));
        for (int column = 0; column < kAisColumns; ++column) {
            QTableWidgetItem* item = table.item(row, column);
            if (item->font().bold() != own) {
                QFont font = item->font();
                font.setBold(own);
                item->setFont(font);
            }
        }
    }
    table.setSortingEnabled(true);
}

} // namespace varo
