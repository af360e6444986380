// SPDX-FileCopyrightText: 2026 The TeamTool developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The grid's and the lists' Qt item models keep Qt's rules for item models while the
// window model under them grows, as a load makes it.

#include "app/controls.h"
#include "ui/item_models.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace teamtool;

class ItemModels : public QObject {
    Q_OBJECT

private slots:
    void theGridModelShowsRowZeroAsItsHeader()
    {
        Grid grid;
        grid.setCols(3);
        grid.setRows(2);
        grid.fixedRows = 1;
        grid.setTextMatrix(0, 1, "Name");
        grid.setTextMatrix(1, 1, "Ashworth");
        ui::GridModel model(grid);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Name"));
        QCOMPARE(model.index(0, 1).data().toString(), QString("Ashworth"));

        // A load: many rows at once, shown after one sync.
        TextList cells;
        for (int i = 0; i < 3 * 1000 - 1; ++i)
            cells.push_back("x");
        cells.push_back("last");
        grid.assignRows(1, cells);
        grid.setRows(1002);
        QCOMPARE(model.rowCount(), 1);
        model.sync();
        QCOMPARE(model.rowCount(), 1001);
        QCOMPARE(model.index(999, 2).data().toString(), QString("last"));
        QCOMPARE(model.index(1000, 2).data().toString(), QString());
    }

    void aListModelFollowsItsItems()
    {
        ListBox list;
        ui::ListModel model(list);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.rowCount(), 0);
        list.items = {"GK", "DS", "CB"};
        model.sync();
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(2, 0).data().toString(), QString("CB"));
    }
};

QTEST_MAIN(ItemModels)
#include "ui_item_models_test.moc"
