# One static library per folder of src/. A library's include root holds links to its own
# headers only, under the folder's name, so a source sees the headers of the libraries it links
# and of what they link, and no others: an include against the direction does not compile.
function(quillon_include_root target folder root_dir)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(GLOB headers CONFIGURE_DEPENDS ${root_dir}/${folder}/*.h)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header ${headers})
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    set(QUILLON_ROOT ${root} PARENT_SCOPE)
endfunction()

# quillon_library(<target> <folder under src/> <libraries it uses>...)
function(quillon_library target folder)
    file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp
         ${PROJECT_SOURCE_DIR}/src/${folder}/*.qrc)
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    # A folder's main.cpp is a program's entry (the window's, in app/ui), not library code.
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    quillon_include_root(${target} ${folder} ${PROJECT_SOURCE_DIR}/src)
    add_library(${target} STATIC ${sources} ${headers})
    target_include_directories(${target} PUBLIC ${QUILLON_ROOT})
    target_link_libraries(${target} PUBLIC ${ARGN})
endfunction()
