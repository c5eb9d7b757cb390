#include "ui/notebook/notebook_model.h"

#include <QApplication>
#include <QColor>
#include <QDate>
#include <QPainter>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <limits>

#include "notebook/notebook_points.h"
#include "present/box_reading.h"
#include "present/table_text.h"
#include "present/validity.h"
#include "ui/look.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

QString joined_messages(const RecordedPoint& p) {
    QStringList lines;
    for (const SettingOutOfRange& o : p.out_of_range) lines << qt::to_qstring(o.message);
    if (!p.differing.isEmpty()) {
        QStringList headers;
        for (int c : p.differing)
            headers << QString::fromUtf8(notebook_columns()[static_cast<std::size_t>(c)].header);
        lines << QStringLiteral(
                     "Estas lecturas no son las que da hoy un cálculo con los mismos "
                     "ajustes: %1")
                     .arg(headers.join(QStringLiteral(", ")));
    }
    lines << p.validity;
    return lines.join(u'\n');
}

QStringList qt_fields(const std::vector<std::string>& fields) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(fields.size()));
    for (const std::string& f : fields) out << qt::to_qstring(f);
    return out;
}

std::vector<std::string> utf8_fields(const QStringList& fields) {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(fields.size()));
    for (const QString& f : fields) out.push_back(qt::to_utf8(f));
    return out;
}

// The numbers, marks and state behind a point's texts, read in its own
// number format.
void derive(RecordedPoint& p) {
    const NumberStyle style = qt::number_style(QLocale(p.locale));
    p.values.clear();
    p.values.reserve(static_cast<std::size_t>(p.cells.size()));
    for (const QString& cell : p.cells) {
        p.values.push_back(read_box_number(qt::to_utf8(cell), style)
                               .value_or(std::numeric_limits<double>::quiet_NaN()));
    }
    p.out_of_range = settings_out_of_range(p.settings, style);
    // The same settings give the same pass: the state behind the texts.
    const BenchInputs inputs = read_settings(p.settings, style);
    const PassResult pass = recompute(inputs);
    p.state = pass.state;
    p.validity.clear();
    for (const ValidityNote& n : validity_notes(inputs, pass, ideal_cycle(pass.state),
                                                Language::spanish, style.decimal_point))
        p.validity << qt::to_qstring(n.text);
}

// The marks of a point's number: a warning sign for readings out of range
// or no longer given, a violet dot where the bench's model is not physical.
QIcon mark_icon(bool warning, bool validity) {
    static const std::array<QIcon, 3> kIcons = [] {
        const int side = 16;
        QPixmap dot(side, side);
        dot.fill(Qt::transparent);
        {
            QPainter painter(&dot);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(look::kValidityText);
            painter.drawEllipse(QRectF(3, 3, side - 6, side - 6));
        }
        const QPixmap sign =
            QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side);
        QPixmap both(2 * side, side);
        both.fill(Qt::transparent);
        {
            QPainter painter(&both);
            painter.drawPixmap(0, 0, sign);
            painter.drawPixmap(side, 0, dot);
        }
        return std::array<QIcon, 3>{QIcon(sign), QIcon(dot), QIcon(both)};
    }();
    return kIcons[warning && validity ? 2 : validity ? 1 : 0];
}

}  // namespace

NotebookModel::NotebookModel(QObject* parent) : QAbstractTableModel(parent) {
    header_.date = QDate::currentDate().toString(Qt::ISODate).toStdString();  // today by default
}

RecordedPoint NotebookModel::pointOf(const PanelSettings& settings, const PassDisplay& pass,
                                     const QLocale& locale) {
    RecordedPoint p;
    p.settings = settings;
    p.locale = locale.name();
    for (const auto& [header, text] :
         notebook_point(settings, pass, qt::to_utf8(p.locale), qt::number_style(locale)).readings)
        p.cells << qt::to_qstring(text);
    derive(p);
    return p;
}

RecordedPoint NotebookModel::pointOf(const NotebookPoint& stored) {
    RecordedPoint p;
    p.number = stored.number;
    p.settings = panel_settings(stored.settings);
    p.locale = qt::to_qstring(stored.locale);
    p.note = qt::to_qstring(stored.note);
    std::vector<int> differing;
    p.cells = qt_fields(point_cells(stored, qt::number_style(QLocale(p.locale)), differing));
    p.differing = QList<int>(differing.begin(), differing.end());
    derive(p);
    return p;
}

NotebookDocument NotebookModel::document() const {
    NotebookDocument d;
    d.header = header_;
    d.next_number = next_number_;
    const std::vector<std::string> headers = notebook_headers();
    for (const RecordedPoint& p : points_) {
        NotebookPoint stored;
        stored.number = p.number;
        stored.settings = {p.settings.evaporator_water_flow, p.settings.condenser_water_flow,
                           p.settings.barometer_text, p.settings.water_text,
                           p.settings.ambient_text};
        stored.locale = p.locale.toStdString();
        for (std::size_t c = 0; c < headers.size() && c < std::size_t(p.cells.size()); ++c)
            stored.readings.emplace_back(headers[c], qt::to_utf8(p.cells[qsizetype(c)]));
        stored.note = qt::to_utf8(p.note);
        d.points.push_back(std::move(stored));
    }
    return d;
}

int NotebookModel::append(RecordedPoint point) {
    point.number = next_number_++;
    const int row = count();
    beginInsertRows({}, row, row);
    points_.push_back(std::move(point));
    endInsertRows();
    return points_.back().number;
}

void NotebookModel::insertPoints(const std::vector<std::pair<int, RecordedPoint>>& points) {
    for (const auto& [row, point] : points) {
        beginInsertRows({}, row, row);
        points_.insert(points_.begin() + row, point);
        endInsertRows();
    }
}

std::vector<std::pair<int, RecordedPoint>> NotebookModel::takeRows(const std::vector<int>& rows) {
    std::vector<std::pair<int, RecordedPoint>> taken;
    // From the bottom up, so that the rows still to go keep their places.
    for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
        if (*r < 0 || *r >= count())
            continue;
        beginRemoveRows({}, *r, *r);
        taken.emplace_back(*r, std::move(points_[static_cast<std::size_t>(*r)]));
        points_.erase(points_.begin() + *r);
        endRemoveRows();
    }
    std::reverse(taken.begin(), taken.end());
    return taken;
}

void NotebookModel::setNote(int row, const QString& note) {
    if (row < 0 || row >= count())
        return;
    points_[static_cast<std::size_t>(row)].note = note;
    emit dataChanged(index(row, noteColumn()), index(row, noteColumn()));
}

void NotebookModel::setHeader(const NotebookHeader& header) {
    if (header == header_)
        return;
    header_ = header;
    emit headerChanged();
}

void NotebookModel::resetTo(const NotebookDocument& document) {
    beginResetModel();
    points_.clear();
    for (const NotebookPoint& p : document.points) points_.push_back(pointOf(p));
    next_number_ = document.next_number;
    header_ = document.header;
    endResetModel();
    emit headerChanged();
}

int NotebookModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int NotebookModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : noteColumn() + 1;
}

QString NotebookModel::cellText(int row, int column) const {
    const RecordedPoint& p = point(row);
    if (column == kNumberColumn)
        return QString::number(p.number);
    if (column == noteColumn())
        return p.note;
    return p.cells.value(column - 1);
}

QString NotebookModel::headerText(int column) const {
    if (column == kNumberColumn)
        return QString::fromUtf8(kPointNumberHeader);
    if (column == noteColumn())
        return QString::fromUtf8(kNoteHeader);
    return QString::fromUtf8(notebook_columns()[static_cast<std::size_t>(column - 1)].header);
}

Qt::ItemFlags NotebookModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.column() == noteColumn() ? base | Qt::ItemIsEditable : base;
}

bool NotebookModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.column() != noteColumn() ||
        index.row() >= count())
        return false;
    const QString note = value.toString();
    if (note != point(index.row()).note)
        emit noteEditRequested(index.row(), note);
    return true;
}

QVariant NotebookModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) {
        return {};
    }
    const RecordedPoint& p = point(index.row());
    const int column = index.column();
    const bool marked_setting =
        std::any_of(p.out_of_range.begin(), p.out_of_range.end(),
                    [&](const SettingOutOfRange& o) { return modelColumn(o.column) == column; });
    const bool differing =
        column != kNumberColumn && column != noteColumn() && p.differing.contains(column - 1);
    const bool warned = !p.out_of_range.empty() || !p.differing.isEmpty();
    const bool marked = warned || !p.validity.isEmpty();
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return cellText(index.row(), column);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(column == noteColumn() ? Qt::AlignLeft | Qt::AlignVCenter
                                                              : Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return marked_setting ? QVariant(look::kWarningFill)
                   : differing    ? QVariant(look::kDifferingFill)
                                  : QVariant();
        case Qt::DecorationRole:
            if (column == kNumberColumn && marked) {
                return mark_icon(warned, !p.validity.isEmpty());
            }
            return {};
        case Qt::ToolTipRole:
            if (marked && (column == kNumberColumn || marked_setting || differing)) {
                return joined_messages(p);
            }
            return {};
        default:
            return {};
    }
}

QVariant NotebookModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return headerText(section);
}

QString NotebookModel::tabSeparated(const QList<int>& rows, const QList<int>& columns) const {
    QStringList fields;
    for (int c : columns) fields << headerText(c);
    std::string out = tsv_line(utf8_fields(fields));
    for (int r : rows) {
        fields.clear();
        for (int c : columns) fields << cellText(r, c);
        out += tsv_line(utf8_fields(fields));
    }
    return qt::to_qstring(out);
}

QByteArray NotebookModel::csv(const QLocale& locale) const {
    std::vector<std::vector<std::string>> cells;
    for (const RecordedPoint& p : points_) cells.push_back(utf8_fields(p.cells));
    return QByteArray::fromStdString(
        notebook_csv(document(), cells, qt::number_style(locale), true));
}

}  // namespace gelvor::ui::notebook
