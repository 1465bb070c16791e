# SPDX-License-Identifier: GPL-3.0-or-later
# The program as Windows wants it, included by app/CMakeLists.txt for a
# Windows build: zasechka.exe, a windowed program with its icon, version and
# manifest; zasechka.com, the same entry for the console, which answers the
# command line and starts zasechka.exe for the rest; and the Liberation
# faces beside them.
enable_language(RC)
target_sources(zas_windows PRIVATE win32/console.cpp win32/bundled_fonts.cpp)

# The icon, in one .ico: every size drawn for title bars and task bars, and
# 256 pixels for Explorer's large views.
find_program(ZAS_ICOTOOL icotool REQUIRED)
zas_render(app/pictures/icon.svg app/pictures/icon_256.png 256)
set(icon_pictures)
foreach(size 16 20 24 32 40 48 64 96 128)
  list(APPEND icon_pictures ${rendered}/app/pictures/icon_${size}.png)
endforeach()
set(icon ${CMAKE_CURRENT_BINARY_DIR}/zasechka.ico)
add_custom_command(
  OUTPUT ${icon}
  COMMAND ${ZAS_ICOTOOL} -c -o ${icon} ${icon_pictures} -r ${rendered}/app/pictures/icon_256.png
  DEPENDS ${icon_pictures} ${rendered}/app/pictures/icon_256.png
  COMMENT "Making the program's icon"
  VERBATIM)

set(manifest ${CMAKE_CURRENT_BINARY_DIR}/zasechka.manifest)
configure_file(win32/zasechka.manifest.in ${manifest} @ONLY)
set(resources ${CMAKE_CURRENT_BINARY_DIR}/zasechka.rc)
configure_file(win32/zasechka.rc.in ${resources} @ONLY)
set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${icon};${manifest}")

set_target_properties(zasechka PROPERTIES WIN32_EXECUTABLE ON)
target_sources(zasechka PRIVATE ${resources})

add_executable(zasechka_console main.cpp ${resources})
target_compile_definitions(zasechka_console PRIVATE ZAS_CONSOLE_TWIN)
target_link_libraries(zasechka_console PRIVATE zas_windows)
# It shows no window, so it carries none of Qt's plugins.
qt_import_plugins(zasechka_console NO_DEFAULT)
set_target_properties(zasechka_console PROPERTIES OUTPUT_NAME zasechka SUFFIX .com
                                                  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The faces the windows are drawn in (app/form.cpp maps the sheets' fonts
# to them), copied beside the program and beside the tests.
find_path(ZAS_LIBERATION_FONTS LiberationSans-Regular.ttf
          PATHS /usr/share/fonts/truetype/liberation NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
set(fonts)
foreach(face LiberationSans-Regular LiberationSans-Bold LiberationSerif-Regular
             LiberationSerif-Bold)
  foreach(folder ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/tests)
    add_custom_command(
      OUTPUT ${folder}/${face}.ttf
      COMMAND ${CMAKE_COMMAND} -E copy ${ZAS_LIBERATION_FONTS}/${face}.ttf ${folder}/${face}.ttf
      DEPENDS ${ZAS_LIBERATION_FONTS}/${face}.ttf
      VERBATIM)
    list(APPEND fonts ${folder}/${face}.ttf)
  endforeach()
endforeach()
add_custom_target(zas_bundled_fonts ALL DEPENDS ${fonts})
