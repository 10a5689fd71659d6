#include "shell/form57.h"

namespace tarnwick {

void Form57::registerFileHandlers() {
    menuHandlers["sdrawing"] = [this] { sdrawing_Click(); };
    menuHandlers["ldrawing"] = [this] { ldrawing_Click(); };
    menuHandlers["importdrawing"] = [this] { importdrawing_Click(); };
    menuHandlers["mpdrawing"] = [this] { mpdrawing_Click(); };
    menuHandlers["usetemple"] = [this] { usetemple_Click(); };
    menuHandlers["usespace"] = [this] { usespace_Click(); };
    menuHandlers["usediamond"] = [this] { usediamond_Click(); };
    menuHandlers["usetree"] = [this] { usetree_Click(); };
    entryHandlers["savebox"] = [this](int key) { savedrawing(key); };
    entryHandlers["importbox"] = [this](int key) { importbitmap(key); };
    entryHandlers["loadbox"] = [this](int key) { loaddrawing(key); };
    fileListHandlers["savelist"] = [this](const std::string& entry) { pickdrawingfile1(entry); };
    fileListHandlers["importlist"] = [this](const std::string& entry) { pickdrawingfile2(entry); };
    fileListHandlers["loadlist"] = [this](const std::string& entry) { pickdrawingfile3(entry); };
}

}  // namespace tarnwick
