# The files of a complete skin folder: every bitmap the skinned controls read, the preview and
# the parameter file. Included by skin/ (the built-in pictures) and assets/skins/ (installing).
set(LEXARION_SKIN_FILES
    Form_LeftTop.bmp Form_Top.bmp Form_RightTop.bmp
    Form_Left.bmp Form_Right.bmp Form_Bottom.bmp
    Form_LeftBottom.bmp Form_RightBottom.bmp
    Form_Close.bmp Form_Max.bmp Form_Normal.bmp Form_Min.bmp
    Button.bmp CheckBox.bmp RadioBox.bmp
    TablePage_Title.bmp TablePage_Left.bmp TablePage_Right.bmp TablePage_Top.bmp
    TablePage_Bottom.bmp
    Slider_Mid.bmp Slider_Back.bmp
    VScrollBar_Mid.bmp VScrollBar_UpDown.bmp UpDown.bmp
    PreView.bmp config.ini
)
# The skins that come with the program; the first is the default skin, built into the controls.
set(LEXARION_SKINS WindowsXP Jade)
# Pictures the controls carry that no skin replaces.
set(LEXARION_BUILTIN_ONLY_FILES VScrollBar_Track.bmp)
set(LEXARION_SKIN_SOURCE_DIR ${CMAKE_SOURCE_DIR}/assets/skins)
