// The Keys window: every key of the keyboard with the first frame of its
// picture, its name and what it does now. Choosing a row edits the key's
// action; OK stores what changed where the program reads the keys' actions,
// Cancel stores nothing. While the window is in front, a key of the keyboard
// selects its own row instead of acting, so a user finds a key by pressing it.
#pragma once

#include "dispatch/desktop.h"
#include "dispatch/key_action.h"
#include "framework/dialog.h"
#include "settings/chord_record_button.h"

#include <cstdint>
#include <string>
#include <vector>

class CKeyActions;

class CKeysDlg : public framework::CDialog {
public:
    CKeysDlg(CKeyActions& actions, IDesktop& desktop, int osKind);

    // A key command while the window is in front: its key's row is selected
    // and true returned, so that the key does not act; false otherwise.
    bool TakeKey(std::uint8_t command);

    KV_DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(framework::CDataExchange* dx) override;
    void OnOK() override;

private:
    // One key's action as the window edits it.
    struct Row {
        KeyActionKind kind;
        std::string field;  // UTF-8, as typed after the form's word
        bool changed;
        // What the program reads for the key now, shown until the row is changed.
        KeyAction stored;
    };

    void FillList();
    // The keys' pictures and the columns' widths for a screen of dpi.
    void ShowAtScale(int dpi);
    LRESULT OnDpiChanged(WPARAM dpi, LPARAM suggested);
    void FillPictureMonitors();
    LRESULT OnNotify(WPARAM id, LPARAM header);
    void OnKindClicked(UINT id);
    LRESULT OnControlNotice(WPARAM control, LPARAM);
    void OnBrowse();
    void OnRecord();
    void Select(int row);
    // The editor's values to the row being edited, whose description follows.
    void Commit();
    void Load(int row);
    void EnableEditor();
    std::string Describe(int row) const;
    // Refuses the first changed row that would not read back as its kind; true when none.
    bool AllStorable();

    CKeyActions& m_actions;
    IDesktop& m_desktop;
    int m_nOsKind;
    std::vector<Row> m_rows;
    HWND m_hList = nullptr;
    int m_nRow = -1;
    bool m_bLoading = false;
    // The editor's values.
    KeyActionKind m_kind = KeyActionKind::kBuiltIn;
    std::string m_field;
    CChordRecordButton m_record;
    // The "PictureMonitor" and "VolumeKeys" settings as the window found them.
    int m_nPictureMonitor = 0;
    bool m_bVolumeKeys = true;
};
