# Tests of the sound device and the WAVE image parser.
