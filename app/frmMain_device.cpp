// The main window's device commands: connect, information, upload, settings, factory.
#include "frmMain.h"

void frmMain::MenuDrv_Click() {}
void frmMain::menu_Connect_Click() {}
void frmMain::Menu_Info_Click() {}
void frmMain::menu_Upload_Click() {}
void frmMain::menu_format_Click() {}
void frmMain::Menu_PowerDelayTime_Click() {}
void frmMain::menu_PowerOff_Click() {}
void frmMain::menu_SetAll0_Click() {}
void frmMain::menu_Set_Sn_Click() {}
void frmMain::Menu_UpDT_Click() {}
void frmMain::Menu_Err_set_Click() {}
void frmMain::Menu_AutoOperate_Click() {}

void frmMain::ListView2Ini0() {}
void frmMain::ShowUploadDatas() {}
void frmMain::info_ListView1() {}
bool frmMain::AuToConfigCom() {
    return false;
}
void frmMain::ShowTransferPercent() {}
