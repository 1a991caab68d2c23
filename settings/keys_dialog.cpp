#include "settings/keys_dialog.h"

#include "app/globals.h"
#include "app/tamber_view.h"
#include "dispatch/key_actions_win32.h"
#include "dispatch/key_description.h"
#include "dispatch/key_names.h"
#include "dispatch/text_encoding_win32.h"
#include "dispatch/win32_desktop.h"
#include "framework/diagnostics.h"
#include "osd/monitor_choice.h"
#include "osd/picture_dpi.h"
#include "osd/strip_scale.h"
#include "res/resource.h"
#include "settings/browse_program.h"
#include "settings/key_list_view.h"
#include "settings/keys_store_win32.h"
#include "settings/settings_store.h"
#include "settings/volume_keys_setting.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// The key's picture stands before its name, whose first letters find the row;
// at 100 %, scaled with the window.
constexpr int kNameColumnWidth = kKeyPictureSize + 110;
enum Column { kNameColumn, kWhatColumn };

// The radio buttons by the kind of action they choose, in the window's order.
constexpr std::pair<KeyActionKind, int> kKindButtons[] = {
    {KeyActionKind::kBuiltIn, IDC_KEY_BUILT_IN}, {KeyActionKind::kNothing, IDC_KEY_NOTHING},
    {KeyActionKind::kRun, IDC_KEY_RUN},          {KeyActionKind::kKeys, IDC_KEY_KEYS},
    {KeyActionKind::kText, IDC_KEY_TEXT},
};

// The "Show pictures on" list, in the order of the setting's values.
constexpr const wchar_t* kPictureMonitors[] = {
    L"the main monitor",
    L"the monitor with the mouse pointer",
    L"the monitor with the window in front",
};
static_assert(kPicturesOnMainMonitor == 0 && kPicturesOnPointerMonitor == 1 && kPicturesOnForegroundMonitor == 2);

// What follows "text:", the longest form's word, within a stored action's length.
constexpr int kMostFieldChars = static_cast<int>(kMostKeyActionChars) - 5;

std::wstring FieldText(HWND dialog) {
    const HWND field = ::GetDlgItem(dialog, IDC_KEY_FIELD);
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(field)) + 1, L'\0');
    text.resize(static_cast<size_t>(::GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

CKeysDlg::CKeysDlg(CKeyActions& actions, IDesktop& desktop, int osKind)
    : CDialog(IDD_KEYS), m_actions(actions), m_desktop(desktop), m_nOsKind(osKind) {}

const framework::MessageMap& CKeysDlg::ThisMessageMap() {
    static const framework::MessageEntry entries[] = {
        framework::OnMessage<&CKeysDlg::OnNotify>(WM_NOTIFY),
        framework::OnMessage<&CKeysDlg::OnDpiChanged>(WM_DPICHANGED),
        framework::OnCommand<&CKeysDlg::OnKindClicked>(IDC_KEY_BUILT_IN),
        framework::OnCommand<&CKeysDlg::OnKindClicked>(IDC_KEY_NOTHING),
        framework::OnCommand<&CKeysDlg::OnKindClicked>(IDC_KEY_RUN),
        framework::OnCommand<&CKeysDlg::OnKindClicked>(IDC_KEY_KEYS),
        framework::OnCommand<&CKeysDlg::OnKindClicked>(IDC_KEY_TEXT),
        framework::OnMessage<&CKeysDlg::OnControlNotice>(WM_COMMAND),
        framework::OnCommand<&CKeysDlg::OnBrowse>(IDC_KEY_BROWSE),
        framework::OnCommand<&CKeysDlg::OnRecord>(IDC_KEY_RECORD),
    };
    static const framework::MessageMap map = framework::MakeMessageMap(&CDialog::ThisMessageMap(), entries);
    return map;
}

BOOL CKeysDlg::OnInitDialog() {
    m_hList = ::GetDlgItem(m_hWnd, IDC_KEYS_LIST);
    ::SendDlgItemMessageW(m_hWnd, IDC_KEY_FIELD, EM_LIMITTEXT, kMostFieldChars, 0);
    m_record.Attach(IDC_KEY_RECORD, m_hWnd, [this](const std::string& chord) {
        ::SetDlgItemTextW(m_hWnd, IDC_KEY_FIELD, WideFromUtf8(chord).c_str());
    });
    FillList();
    FillPictureMonitors();
    m_bVolumeKeys = ReadVolumeKeysSetting();
    ::CheckDlgButton(m_hWnd, IDC_VOLUME_KEYS, m_bVolumeKeys ? BST_CHECKED : BST_UNCHECKED);
    ::SetForegroundWindow(m_hWnd);
    framework::Trace("keys window");
    // The list has the focus, so arrows move through the keys at once.
    ::SetFocus(m_hList);
    return FALSE;
}

void CKeysDlg::FillList() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::SendMessageW(m_hList, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumn(m_hList, kNameColumn, L"Key", 0);
    AddColumn(m_hList, kWhatColumn, L"What it does", 0);
    for (const KeyName& key : KeyNames) {
        const KeyAction& action = m_actions.For(key);
        m_rows.push_back(Row{action.kind, KeyActionField(action), false, action});
        LVITEMW item{};
        std::wstring name = WideFromUtf8(key.name);
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(m_rows.size() - 1);
        item.pszText = name.data();
        ::SendMessageW(m_hList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        SetCell(m_hList, item.iItem, kWhatColumn, Describe(item.iItem));
    }
    ShowAtScale(WindowDpi(m_hWnd));
    Select(0);
}

void CKeysDlg::ShowAtScale(int dpi) {
    const int side = ScaledLength(kKeyPictureSize, dpi);
    const HIMAGELIST pictures =
        ::ImageList_Create(side, side, ILC_COLOR24 | ILC_MASK, static_cast<int>(KeyNames.size()), 0);
    for (size_t row = 0; row < KeyNames.size(); ++row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = static_cast<int>(row);
        item.iImage = AddFirstFrame(pictures, KeyNames[row].picture, dpi);
        ::SendMessageW(m_hList, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    // The list view destroys the image list it has with itself, not one it gives back.
    const auto replaced = reinterpret_cast<HIMAGELIST>(
        ::SendMessageW(m_hList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(pictures)));
    if (replaced != nullptr) {
        ::ImageList_Destroy(replaced);
    }
    ::SendMessageW(m_hList, LVM_SETCOLUMNWIDTH, kNameColumn, ScaledLength(kNameColumnWidth, dpi));
    ::SendMessageW(m_hList, LVM_SETCOLUMNWIDTH, kWhatColumn, LVSCW_AUTOSIZE_USEHEADER);
    // The list view does not draw its rows again for a new image list.
    ::InvalidateRect(m_hList, nullptr, TRUE);
}

LRESULT CKeysDlg::OnDpiChanged(WPARAM dpi, LPARAM suggested) {
    // Where the system scales dialogs, the dialog manager lays out the
    // controls anew, gives them the font for the new scale and takes the
    // suggested rectangle, which the window then takes again to no effect;
    // the keys' pictures and the columns are the window's own.
    const LRESULT result = Default();
    const auto* place = reinterpret_cast<const RECT*>(suggested);
    if (place == nullptr || LOWORD(dpi) == 0) {
        return result;
    }
    ::SetWindowPos(m_hWnd, nullptr, place->left, place->top, place->right - place->left, place->bottom - place->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    ShowAtScale(LOWORD(dpi));
    return result;
}

void CKeysDlg::FillPictureMonitors() {
    for (const wchar_t* choice : kPictureMonitors) {
        ::SendDlgItemMessageW(m_hWnd, IDC_PICTURE_MONITOR, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    }
    // A value the list does not know shows as what it means: the main monitor.
    m_nPictureMonitor = ReadPictureMonitor();
    const int shown = m_nPictureMonitor >= 0 && m_nPictureMonitor < static_cast<int>(std::size(kPictureMonitors))
                          ? m_nPictureMonitor
                          : kPicturesOnMainMonitor;
    ::SendDlgItemMessageW(m_hWnd, IDC_PICTURE_MONITOR, CB_SETCURSEL, static_cast<WPARAM>(shown), 0);
}

void CKeysDlg::DoDataExchange(framework::CDataExchange* dx) {
    if (dx->m_bSaveAndValidate) {
        for (const auto& [kind, button] : kKindButtons) {
            if (::IsDlgButtonChecked(m_hWnd, button) == BST_CHECKED) {
                m_kind = kind;
            }
        }
        m_field = Utf8FromWide(FieldText(m_hWnd));
        return;
    }
    for (const auto& [kind, button] : kKindButtons) {
        ::CheckDlgButton(m_hWnd, button, kind == m_kind ? BST_CHECKED : BST_UNCHECKED);
    }
    ::SetDlgItemTextW(m_hWnd, IDC_KEY_FIELD, WideFromUtf8(m_field).c_str());
}

LRESULT CKeysDlg::OnNotify(WPARAM, LPARAM header) {
    const auto* notice = reinterpret_cast<const NMHDR*>(header);
    if (notice->idFrom != IDC_KEYS_LIST || notice->code != LVN_ITEMCHANGED) {
        return 0;
    }
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(header);
    const bool selected = (change->uNewState & LVIS_SELECTED) != 0 && (change->uOldState & LVIS_SELECTED) == 0;
    if (selected && change->iItem != m_nRow) {
        Commit();
        Load(change->iItem);
    }
    return 0;
}

void CKeysDlg::OnKindClicked(UINT) {
    Commit();
    EnableEditor();
}

LRESULT CKeysDlg::OnControlNotice(WPARAM control, LPARAM) {
    // Each change of the field shows at once in the row's description.
    if (LOWORD(control) == IDC_KEY_FIELD && HIWORD(control) == EN_CHANGE) {
        Commit();
    }
    return Default();
}

void CKeysDlg::OnBrowse() {
    Commit();
    BrowseForProgram(*this, [this](const std::string& program) { m_field = program; });
}

void CKeysDlg::OnRecord() {
    m_record.Start();
}

void CKeysDlg::Select(int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(m_hList, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    ::SendMessageW(m_hList, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

void CKeysDlg::Commit() {
    if (m_bLoading || m_nRow < 0) {
        return;
    }
    UpdateData(TRUE);
    Row& row = m_rows.at(static_cast<size_t>(m_nRow));
    if (row.kind == m_kind && row.field == m_field) {
        return;
    }
    row.kind = m_kind;
    row.field = m_field;
    row.changed = true;
    SetCell(m_hList, m_nRow, kWhatColumn, Describe(m_nRow));
}

void CKeysDlg::Load(int row) {
    m_nRow = row;
    m_kind = m_rows.at(static_cast<size_t>(row)).kind;
    m_field = m_rows.at(static_cast<size_t>(row)).field;
    m_bLoading = true;
    UpdateData(FALSE);
    m_bLoading = false;
    EnableEditor();
}

void CKeysDlg::EnableEditor() {
    const bool hasField =
        m_kind == KeyActionKind::kRun || m_kind == KeyActionKind::kKeys || m_kind == KeyActionKind::kText;
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_KEY_FIELD), hasField);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_KEY_BROWSE), m_kind == KeyActionKind::kRun);
    ::EnableWindow(::GetDlgItem(m_hWnd, IDC_KEY_RECORD), m_kind == KeyActionKind::kKeys);
}

std::string CKeysDlg::Describe(int index) const {
    const Row& row = m_rows.at(static_cast<size_t>(index));
    const KeyAction action =
        row.changed ? ParseKeyAction(StoredValueType::kString, KeyActionValue(row.kind, row.field)) : row.stored;
    return DescribeKeyAction(KeyNames.at(static_cast<size_t>(index)), action, m_nOsKind, m_desktop, g_nOsRelease);
}

bool CKeysDlg::AllStorable() {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Row& row = m_rows[i];
        const KeyAction action = ParseKeyAction(StoredValueType::kString, KeyActionValue(row.kind, row.field));
        if (!row.changed || action.kind == row.kind) {
            continue;
        }
        Select(static_cast<int>(i));
        const std::string message =
            std::string("The action of the key \"") + KeyNames[i].name + "\" cannot be stored: " + action.fault + ".";
        framework::Trace("keys window: %s not stored, %s", KeyNames[i].name, AnsiFromUtf8(action.fault).c_str());
        ::MessageBoxW(m_hWnd, WideFromUtf8(message).c_str(), L"Keys", MB_OK | MB_ICONWARNING);
        ::SetFocus(::GetDlgItem(m_hWnd, IDC_KEY_FIELD));
        return false;
    }
    return true;
}

void CKeysDlg::OnOK() {
    Commit();
    if (!AllStorable()) {
        return;
    }
    std::vector<std::pair<std::string, std::string>> values;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].changed) {
            const KeyAction action =
                ParseKeyAction(StoredValueType::kString, KeyActionValue(m_rows[i].kind, m_rows[i].field));
            values.emplace_back(KeyNames[i].name, KeyActionValue(action.kind, KeyActionField(action)));
        }
    }
    const std::vector<std::string> failures = StoreKeyActions(values);
    framework::Trace("keys window: %u stored, %u not", static_cast<unsigned>(values.size() - failures.size()),
                     static_cast<unsigned>(failures.size()));
    if (!failures.empty()) {
        // The window stays, so that nothing the user chose is lost unseen.
        std::string message = "These keys' actions could not be stored:\n";
        for (const std::string& failure : failures) {
            message += failure + "\n";
        }
        ::MessageBoxW(m_hWnd, WideFromUtf8(message).c_str(), L"Keys", MB_OK | MB_ICONERROR);
        return;
    }
    // Only a choice the user changed is stored, so one the list cannot show stays.
    const auto chosen = static_cast<int>(::SendDlgItemMessageW(m_hWnd, IDC_PICTURE_MONITOR, CB_GETCURSEL, 0, 0));
    if (chosen != CB_ERR && chosen != m_nPictureMonitor) {
        WritePictureMonitor(chosen);
        framework::Trace("keys window: pictures on %d", chosen);
    }
    const bool volumeKeys = ::IsDlgButtonChecked(m_hWnd, IDC_VOLUME_KEYS) == BST_CHECKED;
    if (volumeKeys != m_bVolumeKeys) {
        WriteVolumeKeysSetting(volumeKeys);
        framework::Trace("keys window: volume keys %s", volumeKeys ? "on" : "off");
    }
    EndDialog(IDOK);
}

bool CKeysDlg::TakeKey(std::uint8_t command) {
    if (m_hWnd == nullptr || ::GetForegroundWindow() != m_hWnd) {
        return false;
    }
    // A chord being recorded is the user's keys, not a key to find.
    const KeyName* key = KeyNameForCode(command);
    if (key != nullptr && !m_record.Recording()) {
        framework::Trace("keys window: %s", key->name);
        Select(static_cast<int>(key - KeyNames.data()));
    }
    return true;
}

void CTamberView::OnKeys() {
    // One window: a second request brings the open one forward.
    if (m_pKeysDlg != nullptr) {
        ::SetForegroundWindow(m_pKeysDlg->m_hWnd);
        return;
    }
    CWin32Desktop desktop(*this);
    CKeysDlg dialog(m_keyActions, desktop, g_nOsKind);
    m_pKeysDlg = &dialog;
    dialog.DoModal();
    m_pKeysDlg = nullptr;
}
