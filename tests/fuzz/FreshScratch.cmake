# Empties the folder where the short CTest runs keep what they find, so that
# each run starts from the seed corpora alone.
file(REMOVE_RECURSE ${SCRATCH})
foreach(harness ${HARNESSES})
    file(MAKE_DIRECTORY ${SCRATCH}/${harness})
endforeach()
