#pragma once

#include <QComboBox>
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

#include "design/method.h"

namespace spanrix::design {

// The design method chooser (`method`) the combinations and the steel check share.
inline void chooseMethod(QComboBox* box, Method method) { box->setCurrentIndex(method == Method::Strength ? 0 : 1); }

inline Method chosenMethod(const QComboBox* box)
{
    return box->currentIndex() == 0 ? Method::Strength : Method::AllowableStress;
}

inline QComboBox* methodBox(QWidget* parent, Method method)
{
    auto* box = new QComboBox(parent);
    box->setObjectName("method");
    box->addItems({"Strength (LRFD)", "Allowable stress (ASD)"});
    chooseMethod(box, method);
    return box;
}

// A table of results the user reads but does not edit, its columns as wide as their texts.
inline QTableWidget* resultTable(QWidget* parent, const char* name, const QStringList& columns)
{
    auto* table = new QTableWidget(0, static_cast<int>(columns.size()), parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(columns);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

}  // namespace spanrix::design
