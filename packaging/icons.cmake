# The program's icon in the hicolor theme: the SVG as drawn, and PNGs rendered
# from it at build time by svgrender, the same renderer the game uses, for the
# desktops and menus that want bitmaps.
set(LESSICORSA_ICON_SVG ${CMAKE_SOURCE_DIR}/assets/pictures/icon.svg)
set(LESSICORSA_ICON_SIZES 16 22 24 32 48 64 128 256)

# svgrender takes a scale of the drawing's own size, so read that size.
file(READ ${LESSICORSA_ICON_SVG} icon_svg_text)
string(REGEX MATCH "<svg[^>]* width=\"([0-9]+)\"" icon_svg_width_match "${icon_svg_text}")
set(icon_design_size ${CMAKE_MATCH_1})
if(NOT icon_design_size)
  message(FATAL_ERROR "icon.svg: no whole-number width on its <svg> element")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LESSICORSA_ICON_SVG})

set(icon_outputs)
foreach(size ${LESSICORSA_ICON_SIZES})
  # The scale as a decimal with four places (CMake has integers only);
  # svgrender rounds the result to whole pixels.
  math(EXPR q "${size} * 10000 / ${icon_design_size}")
  math(EXPR q_int "${q} / 10000")
  math(EXPR q_frac "${q} % 10000 + 10000")
  string(SUBSTRING ${q_frac} 1 4 q_frac)
  set(out ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/${LESSICORSA_APP_ID}.png)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps
    COMMAND svgrender ${LESSICORSA_ICON_SVG} ${out} ${q_int}.${q_frac}
    DEPENDS svgrender ${LESSICORSA_ICON_SVG}
    COMMENT "Rendering the ${size}x${size} icon"
    VERBATIM)
  list(APPEND icon_outputs ${out})
  install(FILES ${out} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(lessicorsa_icons ALL DEPENDS ${icon_outputs})

install(FILES ${LESSICORSA_ICON_SVG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${LESSICORSA_APP_ID}.svg)
