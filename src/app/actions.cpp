#include "app/actions.h"

#include <windows.h>

#include "app/cache_directory.h"
#include "app/main_window.h"
#include "app/program_objects.h"

namespace {

const char kBoxCaption[] = "温馨提示";
const char kClearedText[] = "清理成功，感谢支持砚汀！";
const char kPartlyClearedText[] = "部分缓存文件未能删除，可能正被游戏占用。\n请先关闭游戏，然后再试一次。";

} // namespace

void OnClearClicked()
{
    if (DeleteDirectoryTree(CacheDirectoryPath()))
        MessageBoxA(nullptr, kClearedText, kBoxCaption, MB_OK | MB_TASKMODAL);
    else
        MessageBoxA(nullptr, kPartlyClearedText, kBoxCaption, MB_OK | MB_ICONWARNING | MB_TASKMODAL);
    RefreshSkin();
}

void OnExitClicked()
{
    CreateLastLevel(CacheDirectoryPath());
    if (HWND window = MainWindow())
        DestroyWindow(window);
    RefreshSkin();
}
