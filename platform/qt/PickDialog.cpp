#include "platform/qt/PickDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>
#include <array>
#include <limits>

namespace qtview {

namespace {

// Three coordinates in a row.
std::array<QDoubleSpinBox*, 3> coordinates(QWidget* parent, QFormLayout& form, const QString& label,
                                           const std::array<double, 3>& values) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    std::array<QDoubleSpinBox*, 3> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = new QDoubleSpinBox(row);
        boxes[i]->setRange(-1e9, 1e9);
        boxes[i]->setDecimals(2);
        boxes[i]->setValue(values[i]);
        layout->addWidget(boxes[i]);
    }
    form.addRow(label, row);
    return boxes;
}

} // namespace

bool PickDialog::ask(ui::PickRecord& record) {
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Pick"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(QString::fromStdWString(record.prompt), &dialog);
    prompt->setWordWrap(true);
    layout->addWidget(prompt);

    QListWidget* list = nullptr;
    std::array<QDoubleSpinBox*, 3> point{};
    std::array<QDoubleSpinBox*, 3> normal{};
    const bool choosesObjects =
        record.kind == ui::PickRecord::Kind::Object || record.kind == ui::PickRecord::Kind::Macros;
    if (choosesObjects) {
        list = new QListWidget(&dialog);
        list->setSelectionMode(record.multiple ? QAbstractItemView::ExtendedSelection
                                               : QAbstractItemView::SingleSelection);
        for (std::size_t i = 0; i < record.candidateIds.size(); ++i) {
            const QString name = i < record.candidateNames.size()
                                     ? QString::fromStdWString(record.candidateNames[i])
                                     : QString::number(record.candidateIds[i]);
            list->addItem(name);
        }
        layout->addWidget(list);
    } else {
        auto* form = new QFormLayout();
        point = coordinates(&dialog, *form, QStringLiteral("X, Y, Z"), record.point);
        if (record.kind == ui::PickRecord::Kind::Plane) {
            normal = coordinates(&dialog, *form, QStringLiteral("Normal"), record.normal);
        }
        layout->addLayout(form);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);

    record.chosenIds.clear();
    record.accepted = false;
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    if (list != nullptr) {
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->isSelected()) {
                record.chosenIds.push_back(record.candidateIds[static_cast<std::size_t>(row)]);
            }
        }
        if (record.chosenIds.empty()) {
            return false; // nothing picked is no pick
        }
    } else {
        for (std::size_t i = 0; i < 3; ++i) {
            record.point[i] = point[i]->value();
            if (normal[i] != nullptr) {
                record.normal[i] = normal[i]->value();
            }
        }
    }
    record.accepted = true;
    return true;
}

} // namespace qtview
