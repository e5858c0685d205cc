#pragma once

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QTabBar;

namespace tarvel {

class PictureButton;
struct Settings;

// The appearance dialog: seven option buttons, one per colour scheme, and a preview of the chosen
// scheme, a tab strip over the four tabs' panels side by side, each with a button in its hue. OK
// makes the selected scheme ColorScheme; Cancel or closing the window leaves it.
class ColorDlg : public QDialog {
    Q_OBJECT

public:
    explicit ColorDlg(Settings& settings, QWidget* parent = nullptr);

    // The scheme of the selected option, 1..7.
    int SelectedScheme() const { return m_shown; }

private:
    static std::size_t Index(int number) { return static_cast<std::size_t>(number - 1); }

    QWidget* BuildPreview();
    // The preview of scheme k: the panels in the tabs' light colours, the buttons in their hues.
    void ShowPreview(int colorScheme);
    // The preview strip takes the light colour of the tab it shows, as the window's strip does.
    void SyncPreviewTab();
    // OK: the shown scheme becomes the window's.
    void Accept();

    Settings& m_settings;
    int m_shown = 1;
    QLabel* m_check = nullptr;
    std::array<QRadioButton*, 7> m_options{};
    QTabBar* m_previewTab = nullptr;
    std::array<QWidget*, 4> m_panels{};
    std::array<PictureButton*, 4> m_buttons{};
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tarvel
