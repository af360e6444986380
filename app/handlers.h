#pragma once

// The event procedures of FRMTEAMTOOL: one per user action, named after the control
// and the event. Each subsystem defines its own: start-up in app/, loading in
// teamfile/, the squad in squad/, the orders in orders/.

namespace teamtool {

class FRMTEAMTOOL;

void Form_Load(FRMTEAMTOOL& f);

void Command4_Click(FRMTEAMTOOL& f);  // "Select File"
void Command3_Click(FRMTEAMTOOL& f);  // "Load Team"

// The five player lists: listNumber 1 to 5 for List1 to List5.
void List_Click(FRMTEAMTOOL& f, int listNumber);
void List_DblClick(FRMTEAMTOOL& f, int listNumber);
void List_Scroll(FRMTEAMTOOL& f, int listNumber);
inline void List1_Click(FRMTEAMTOOL& f) { List_Click(f, 1); }
inline void List2_Click(FRMTEAMTOOL& f) { List_Click(f, 2); }
inline void List3_Click(FRMTEAMTOOL& f) { List_Click(f, 3); }
inline void List4_Click(FRMTEAMTOOL& f) { List_Click(f, 4); }
inline void List5_Click(FRMTEAMTOOL& f) { List_Click(f, 5); }
inline void List1_DblClick(FRMTEAMTOOL& f) { List_DblClick(f, 1); }
inline void List2_DblClick(FRMTEAMTOOL& f) { List_DblClick(f, 2); }
inline void List3_DblClick(FRMTEAMTOOL& f) { List_DblClick(f, 3); }
inline void List4_DblClick(FRMTEAMTOOL& f) { List_DblClick(f, 4); }
inline void List5_DblClick(FRMTEAMTOOL& f) { List_DblClick(f, 5); }
inline void List1_Scroll(FRMTEAMTOOL& f) { List_Scroll(f, 1); }
inline void List2_Scroll(FRMTEAMTOOL& f) { List_Scroll(f, 2); }
inline void List3_Scroll(FRMTEAMTOOL& f) { List_Scroll(f, 3); }
inline void List4_Scroll(FRMTEAMTOOL& f) { List_Scroll(f, 4); }
inline void List5_Scroll(FRMTEAMTOOL& f) { List_Scroll(f, 5); }

void Check1_Click(FRMTEAMTOOL& f, int index);
void Combo1_Click(FRMTEAMTOOL& f, int index);
void Command2_Click(FRMTEAMTOOL& f, int index);  // "Clear"

// Key presses in the drop-down boxes; keyAscii set to 0 discards the key.
void Combo1_KeyPress(FRMTEAMTOOL& f, int index, int& keyAscii);
void Combo2_KeyPress(FRMTEAMTOOL& f, int& keyAscii);
void Combo3_KeyPress(FRMTEAMTOOL& f, int& keyAscii);

void Command1_Click(FRMTEAMTOOL& f);  // "Create Orders"

}  // namespace teamtool
