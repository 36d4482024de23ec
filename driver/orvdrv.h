/*
 * orvdrv - the analyser's line protocol over a serial port, as a plain C library.
 *
 * One port is open at a time. InitRemote opens it and takes the analyser into remote
 * operation, sendCommand sends one command line and reads its reply line, CancelRemote hands
 * the analyser back to local operation and closes the port. Every outcome is an integer
 * result code (ORVDRV_* below); nothing is printed and nothing throws. The library is not
 * thread-safe: call it from one thread at a time.
 *
 * Texts are 8-bit strings. A reply is written NUL-terminated into the caller's buffer and cut
 * to replySize - 1 bytes; a longer reply is still read to its end from the line, and the
 * result code is decided on the whole reply. A reply may contain any byte, NUL included.
 * A NULL reply buffer or a replySize below 1 receives nothing.
 *
 * Port names are device paths ("/dev/ttyUSB0", "/dev/pts/3"); "COM1" to "COM8" (any letter
 * case) name "/dev/ttyS0" to "/dev/ttyS7".
 *
 * Line settings (termios) applied by InitRemote:
 *
 *   analyser line setting            termios
 *   -------------------------------  ----------------------------------------------------------
 *   9600 / 19200 baud                cfsetispeed/cfsetospeed B9600 / B19200, applied at once
 *   8 data bits, no parity, 1 stop   CS8; PARENB, PARODD, INPCK, CSTOPB cleared
 *   raw binary mode                  non-canonical, no echo, no signals, no output processing,
 *                                    no CR/LF translation, no stripping (cfmakeraw); CREAD on
 *   CTS and DSR output flow control  off: CRTSCTS cleared; CLOCAL set, so the modem status
 *     off, DSR sensitivity off       lines neither block the open nor hang the line up
 *   DTR and RTS lines in handshake   termios has no input handshake on DTR, and its RTS
 *     mode                           handshake (CRTSCTS) would also switch on the CTS output
 *                                    flow control that must stay off; both lines are simply
 *                                    held asserted while the port is open
 *   XON/XOFF output flow control off IXON cleared: XON and XOFF bytes in a reply are data
 *   XON/XOFF input flow control on   IXOFF set: the line sends XOFF when its input queue fills
 *   continue sending after XOFF      implied: our own XOFF never stops our transmission
 *   read time-out                    VMIN 0, VTIME 0; each character is awaited with poll():
 *                                    4500 ms for the first character of a reply (SetTimeout
 *                                    changes it for the next reply), 1000 ms for each further
 *                                    one; a time-out of 0 waits without limit
 *   no write time-out                blocking writes
 *   purge of both buffers            tcflush(TCIOFLUSH)
 *   exclusive open                   TIOCEXCL and an exclusive flock(); both are released on
 *                                    close. The descriptor is close-on-exec, so a program the
 *                                    host starts cannot keep the port busy after it is closed.
 *
 * Every line written is traced to stderr ("<ms tick> Write: <text>") when the environment
 * variable ORVDRV_TRACE is set (to any value); otherwise nothing is written anywhere.
 */
#ifndef ORVDRV_H
#define ORVDRV_H

#if defined(ORVDRV_BUILDING)
#define ORVDRV_API __attribute__((visibility("default")))
#else
#define ORVDRV_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes of InitRemote, CancelRemote, sendCommand, SendeComm, LeseComm, SetBautrate. */
enum {
    ORVDRV_OK = 0,                     /* success */
    ORVDRV_NO_PORT = 1,                /* no port is open */
    ORVDRV_PORT_UNAVAILABLE = 2,       /* the port cannot be opened or configured */
    ORVDRV_NO_REMOTE = 4,              /* the analyser does not answer or refuses remote */
    ORVDRV_CLOSE_FAILED = 5,           /* closing the port failed */
    ORVDRV_IO_FAILED = 6,              /* reading from or writing to the port failed */
    ORVDRV_TIMEOUT = 10,               /* no character arrived within the read time-out */
    ORVDRV_ERROR_CMD = 100,            /* the analyser rejected the command ("ERROR" ... "CMD") */
    ORVDRV_ERROR = 101,                /* any other "ERROR" reply */
    ORVDRV_FAILED_SUB_FCT = 102,       /* "FAILED": illegal sub fct nr */
    ORVDRV_FAILED_ARG_RANGE = 103,     /* "FAILED": arg out of range */
    ORVDRV_FAILED_SELECTION = 104,     /* "FAILED": wrong selected */
    ORVDRV_FAILED_NOT_IMPL = 105,      /* "FAILED": not implemented yet */
    ORVDRV_FAILED_MEMORY = 106,        /* "FAILED": not enough memory */
    ORVDRV_FAILED_MODE = 107,          /* "FAILED": mode not available */
    ORVDRV_FAILED_DEVICE = 108,        /* "FAILED": improper device type */
    ORVDRV_FAILED_NO_STANDARD = 109,   /* "FAILED": no standard available */
    ORVDRV_FAILED_MATRIX_EMPTY = 110,  /* "FAILED": matrix empty */
    ORVDRV_FAILED_IGNORED = 111,       /* "FAILED": command ignored */
    ORVDRV_FAILED_RUNNING = 112,       /* "FAILED": already running */
    ORVDRV_FAILED_NOT_RUNNING = 113,   /* "FAILED": not running */
    ORVDRV_FAILED_MATRIX_CLOSED = 114, /* "FAILED": matrix not open */
    ORVDRV_FAILED_STANDARD = 115,      /* "FAILED": standard not available */
    ORVDRV_FAILED_COMMAND_RANGE = 116  /* "FAILED": Command number out of range */
};

/* Opens the port at 9600 baud, wakes the analyser and takes it into remote operation;
   with baud 19200 both sides are then switched to 19200. 0, 2 or 4; on failure the port is
   closed. A port still open from an earlier call is closed first. */
ORVDRV_API int InitRemote(const char* port, int baud);

/* Sends "LOCAL" and closes the port. 0, 1 (no port open) or 5. */
ORVDRV_API int CancelRemote(void);

/* Sends "C<command>[ <sub>] <argument>" (command -1: the argument alone; sub -1: none) and
   reads the reply line without its CR LF into reply. 0, 1, 6, 10 or 100-116; a "FAILED"
   reply with a text the analyser does not document counts as success. */
ORVDRV_API int sendCommand(int command, int sub, const char* argument, char* reply, int replySize);

/* Writes text and a line feed after clearing both port buffers, at least 50 ms after the end
   of the last read. 0 or 6. */
ORVDRV_API int SendeComm(const char* text);

/* Reads one reply line, CR LF included. 0, 6 or 10; on 6 and 10 the reply holds what arrived. */
ORVDRV_API int LeseComm(char* reply, int replySize);

/* Sets the port's baud rate. 0, or 2 when the rate cannot be set (the port is then closed). */
ORVDRV_API int SetBautrate(int baud);

/* Sets the wait for the first character of the next reply, in ms (0: no limit).
   Non-zero on success, 0 when no port is open or ms is negative. */
ORVDRV_API int SetTimeout(int ms);

/* Discards whatever waits in the input and output buffers. 1 when cleared, 0 otherwise. */
ORVDRV_API int ClearCommBuffer(void);

#ifdef __cplusplus
}
#endif

#endif /* ORVDRV_H */
