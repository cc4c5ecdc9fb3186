#pragma once
class wxMenu;
class wxMenuBar;

// The main window's menu bar, every item with its status-bar prompt;
// pMenuFile receives the File menu, where the recent-file list goes.
wxMenuBar* CreaBarraMenu(wxMenu*& pMenuFile);
