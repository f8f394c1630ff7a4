# Gauge modules: natively a shared library <Name>.so with its pictures in <Name>.bitmaps beside it;
# for Windows the 32-bit DLL <Name>.gau exporting only ImportTable and Linkage, with its pictures and
# version as resources.
set(GAUGE_NATIVE_MODULE_DIR "${CMAKE_BINARY_DIR}/gauges")
set(GAUGE_PICTURE_DIR "${CMAKE_BINARY_DIR}/pictures")
set(GAUGE_SYMBOL_DIR "${CMAKE_BINARY_DIR}/symbols")

# The Windows build, and the fuzz build (whose clang lacks what the picture code needs), draw their
# pictures with the generator of a native build.
if(CMAKE_CROSSCOMPILING OR GAUGE_FUZZ)
  set(GAUGE_PICTUREGEN_OF_NATIVE_BUILD ON)
  set(PICTUREGEN_EXECUTABLE "" CACHE FILEPATH "The picture generator of a native build")
  if(NOT EXISTS "${PICTUREGEN_EXECUTABLE}")
    message(FATAL_ERROR "PICTUREGEN_EXECUTABLE must name the picturegen of a native build (build the native preset first)")
  endif()
endif()
if(CMAKE_CROSSCOMPILING)
  enable_language(RC)
endif()

# gauge_library(<Name> OUTPUT_DIR <dir> SOURCES <files>... [NO_FRAME])
# A module file from its sources and, unless NO_FRAME, the frame and its two exports.
function(gauge_library name)
  cmake_parse_arguments(ARG "NO_FRAME" "OUTPUT_DIR" "SOURCES" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE gauge_frame_headers project_options)
  set_target_properties(${name} PROPERTIES PREFIX "" OUTPUT_NAME ${name})
  if(NOT ARG_NO_FRAME)
    target_sources(${name} PRIVATE ${GAUGE_FRAME_SOURCES})
  endif()
  if(CMAKE_CROSSCOMPILING)
    if(NOT ARG_NO_FRAME)
      set(GAUGE_MODULE_NAME ${name})
      configure_file("${GAUGE_DEF_TEMPLATE}" "${CMAKE_CURRENT_BINARY_DIR}/${name}.def" @ONLY)
      target_sources(${name} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${name}.def")
    endif()
    set_target_properties(${name} PROPERTIES SUFFIX ".gau" RUNTIME_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIR}")
    target_link_options(${name} PRIVATE -Wl,--no-insert-timestamp)
    # Each function and table its own section, so the linker leaves out what nothing reaches.
    target_compile_options(${name} PRIVATE -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables -fno-exceptions -Os)
    target_link_options(${name} PRIVATE -Wl,--gc-sections)
  else()
    # Only the two exports are visible; a fresh dlopen after unloading starts from clean module data.
    set_target_properties(${name} PROPERTIES SUFFIX ".so" LIBRARY_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIR}"
                                             CXX_VISIBILITY_PRESET hidden)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${name} PRIVATE -fno-gnu-unique)
    endif()
  endif()
endfunction()

# gauge_module(<Name> FOLDER <folder under modules/> SOURCES <files>...)
# A shipped module with its pictures; the Windows build writes it straight into the distribution folder.
function(gauge_module name)
  cmake_parse_arguments(ARG "" "FOLDER" "SOURCES" ${ARGN})
  list(TRANSFORM ARG_SOURCES PREPEND "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_FOLDER}/")
  if(CMAKE_CROSSCOMPILING)
    set(generator "${PICTUREGEN_EXECUTABLE}")
    set(picture_dir "${GAUGE_PICTURE_DIR}/${name}.bitmaps")
    set(output_dir "${GAUGE_DIST_DIR}")
  else()
    set(generator $<TARGET_FILE:picturegen>)
    if(GAUGE_PICTUREGEN_OF_NATIVE_BUILD)
      set(generator "${PICTUREGEN_EXECUTABLE}")
    endif()
    set(picture_dir "${GAUGE_NATIVE_MODULE_DIR}/${name}.bitmaps")
    set(output_dir "${GAUGE_NATIVE_MODULE_DIR}")
  endif()
  add_custom_command(
    OUTPUT "${picture_dir}/pictures.rc" "${picture_dir}/pictures.txt"
    COMMAND ${CMAKE_COMMAND} -E env ${GAUGE_SANITIZER_ENVIRONMENT} "${generator}" --module ${name} --out "${picture_dir}"
    DEPENDS "${generator}"
    COMMENT "Drawing the pictures of ${name}"
    VERBATIM)
  add_custom_target(${name}_pictures DEPENDS "${picture_dir}/pictures.rc")

  gauge_library(${name} OUTPUT_DIR "${output_dir}" SOURCES ${ARG_SOURCES})
  add_dependencies(${name} ${name}_pictures)
  if(CMAKE_CROSSCOMPILING)
    set(GAUGE_MODULE_NAME ${name})
    configure_file("${GAUGE_VERSION_RC_TEMPLATE}" "${CMAKE_CURRENT_BINARY_DIR}/${name}.rc" @ONLY)
    target_sources(${name} PRIVATE "${CMAKE_CURRENT_BINARY_DIR}/${name}.rc")
    set_source_files_properties("${CMAKE_CURRENT_BINARY_DIR}/${name}.rc" PROPERTIES
      OBJECT_DEPENDS "${picture_dir}/pictures.rc")
    # windres finds pictures.rc in the picture folder; the bitmaps it names lie beside it.
    target_include_directories(${name} PRIVATE "${picture_dir}")
    # What ships carries no debugging sections; they are kept beside the build, and the shipped file
    # names them, for a debugger to find.
    set(symbol_file "${GAUGE_SYMBOL_DIR}/${name}.gau.debug")
    add_custom_command(TARGET ${name} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E make_directory "${GAUGE_SYMBOL_DIR}"
      COMMAND "${CMAKE_OBJCOPY}" --only-keep-debug "$<TARGET_FILE:${name}>" "${symbol_file}"
      COMMAND "${CMAKE_OBJCOPY}" --strip-all "--add-gnu-debuglink=${symbol_file}" "$<TARGET_FILE:${name}>"
      VERBATIM)
  endif()
  set_property(GLOBAL APPEND PROPERTY GAUGE_MODULES ${name})
endfunction()
