# The pictures are drawn as SVG and rendered to PNG at build time at one and
# two times their size; a generated resource file lists them under
# ":/velmora/". Code that links the widgets library registers them with
# Q_INIT_RESOURCE(velmora).
if(VELMORA_SANITIZE)
    return()
endif()

set(VELMORA_PICTURES
    About Diagnostics GoLtrHS Help Lock PCtoIdentifier PauseHS saveHS
    TabEdited TabNotSynced TabSynced TabSyncing TickCircle
    "Vessel dimensions" velmora Warning)

add_executable(velmora_svgtopng resources/SvgToPng.cpp)
target_link_libraries(velmora_svgtopng PRIVATE Qt5::Gui Qt5::Svg)

set(_pictures_dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
file(MAKE_DIRECTORY ${_pictures_dir})
set(_qrc_entries)
foreach(picture IN LISTS VELMORA_PICTURES)
    set(_svg ${CMAKE_CURRENT_SOURCE_DIR}/resources/pictures/${picture}.svg)
    add_custom_command(
        OUTPUT "${_pictures_dir}/${picture}.png" "${_pictures_dir}/${picture}@2x.png"
        COMMAND velmora_svgtopng "${_svg}" "${_pictures_dir}/${picture}"
        DEPENDS "${_svg}" velmora_svgtopng
        COMMENT "Rendering picture ${picture}"
        VERBATIM)
    string(APPEND _qrc_entries "        <file>${picture}.png</file>\n        <file>${picture}@2x.png</file>\n")
endforeach()

file(WRITE ${_pictures_dir}/velmora.qrc.in
    "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n    <qresource prefix=\"/velmora\">\n${_qrc_entries}    </qresource>\n</RCC>\n")
configure_file(${_pictures_dir}/velmora.qrc.in ${_pictures_dir}/velmora.qrc COPYONLY)
set_source_files_properties(${_pictures_dir}/velmora.qrc PROPERTIES SKIP_AUTORCC ON)
qt5_add_resources(_pictures_cpp ${_pictures_dir}/velmora.qrc)
list(APPEND WIDGET_SOURCES ${_pictures_cpp})
