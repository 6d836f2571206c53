# The program's resource script: icon, manifest, version information and the
# stored layout of TForm1. The linker does not pull resources out of a static
# library, so every executable that needs them (Klangor.exe, the tests that build
# the real window) compiles the script itself through klangor_add_resources().
set(KLANGOR_RESOURCE_SCRIPT ${CMAKE_SOURCE_DIR}/app/resources/Klangor.rc)

# Files the script embeds. windres reports no dependencies of its own, so a
# changed layout or icon would otherwise leave a stale resource object behind.
set(KLANGOR_RESOURCE_INPUTS
    ${CMAKE_SOURCE_DIR}/app/Form1.dfm
    ${CMAKE_SOURCE_DIR}/app/resources/Klangor.ico
    ${CMAKE_SOURCE_DIR}/app/resources/Klangor.manifest)

function(klangor_add_resources target)
  target_sources(${target} PRIVATE ${KLANGOR_RESOURCE_SCRIPT})
  set_source_files_properties(${KLANGOR_RESOURCE_SCRIPT}
    TARGET_DIRECTORY ${target}
    PROPERTIES OBJECT_DEPENDS "${KLANGOR_RESOURCE_INPUTS}")
endfunction()
