# Tests of the sounds.
