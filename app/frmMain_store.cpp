// The main window's database commands: saving uploads, the fixed views, custom query and
// maintenance.
#include "frmMain.h"

void frmMain::Save2Mdb() {}
QString frmMain::GetUpdownTimeList() {
    return {};
}
void frmMain::ChaXun(const QString& MySql, const QString& MyOrderKey) {
    Q_UNUSED(MySql);
    Q_UNUSED(MyOrderKey);
}
void frmMain::menuSave2Mdb_Click() {
    Save2Mdb();
}
void frmMain::menu_DefByMyself_Click() {}
void frmMain::Menu_orderDateTime_Click() {}
void frmMain::Menu_orderBianhao_Click() {}
void frmMain::menu_OrderByIdTime_Click() {}
void frmMain::menu_OrderByTimeId_Click() {}
void frmMain::menu_ClearMdb_Click() {}
