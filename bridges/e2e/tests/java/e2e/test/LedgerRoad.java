package e2e.test;

import brivel.TavoEventListener;
import brivel.TavoException;
import brivel.TavoIterator;
import brivel.TavoObject;
import brivel.TavoVariant;
import e2e.ledger.DLedgerEvents;
import e2e.ledger.IEntry;
import e2e.ledger.ILedger;
import e2e.ledger.ITally;
import e2e.ledger.Range;
import e2e.ledger.Span;
import e2e.ledger.Tally;
import brivel.server.TransactEnv;
import e2e.ledger.Ledger;
import e2e.ledger.Mood;
import brivel.out.TavoComobjArray;
import brivel.out.TavoDoubleArray;
import brivel.out.TavoEnumArray;
import brivel.out.TavoIntArray;
import brivel.out.TavoRecordArray;
import brivel.out.TavoStringArray;
import brivel.out.TavoVariantArray;

import java.util.ArrayList;
import java.util.Arrays;
import java.util.Calendar;
import java.util.Date;
import java.util.List;

/**
 * Java programs that use the Ledger COM object through its generated bridge.
 * Each returns normally when every check held and throws AssertionError (or
 * the unexpected exception) otherwise; each releases what it was given, so
 * that the host can check the server's count of references afterwards.
 */
public final class LedgerRoad {
    private LedgerRoad() {
    }

    static void check(boolean condition, String what) {
        if (!condition) throw new AssertionError(what);
    }

    /** Releases the object and the interface objects it made on creation. */
    static void release(Ledger ledger) throws TavoException {
        ledger.getITally().TavoRelease();
        ledger.TavoRelease();
    }

    static void same(Object expected, Object actual, String what) {
        if (expected == null ? actual != null : !expected.equals(actual))
            throw new AssertionError(what + ": expected <" + expected + "> but was <" + actual + ">");
    }

    /** Methods and properties of every shape, optional arguments omitted and given, OUT values. */
    public static void shapes() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        l.setTitle("Grüße \u20ac");
        same("Grüße \u20ac", l.getTitle(), "string property");
        same(Double.valueOf(1.5), Double.valueOf(l.getRatio()), "double property");
        l.setRatio(-2.25);
        same(Double.valueOf(-2.25), Double.valueOf(l.getRatio()), "double property after put");
        check(l.getOpen(), "boolean property");
        l.setOpen(false);
        check(!l.getOpen(), "boolean property after put");
        same(Mood.Calm, l.getState(), "enumeration property");
        l.setState(Mood.Angry);
        same(Integer.valueOf(2), Integer.valueOf(l.getState().getEnumeratedIntValue()), "enumeration after put");
        same(Short.valueOf((short) -8), Short.valueOf(l.Shift((short) -4)), "short argument and result");
        same(Integer.valueOf(35), Integer.valueOf(l.Scale(7, 2)), "method with a result");

        IEntry plain = l.Add("rent", 700);
        TavoVariant note = new TavoVariant("May");
        IEntry noted = l.Add("food", 45, note);
        note.TavoRelease();
        same("rent", plain.getLabel(), "optional argument omitted");
        same("food/May", noted.getLabel(), "optional argument given");
        same(Integer.valueOf(745), Integer.valueOf(l.getTotal()), "total");
        same(Integer.valueOf(745), Integer.valueOf(ledger.getITally().Peek()), "total through the virtual table");
        same("Rent -12", l.Describe("Rent", -12), "string and integer in, string out");

        int[] half = new int[1];
        int[] rest = new int[] {100};
        l.Split(9, half, rest);
        same(Integer.valueOf(4), Integer.valueOf(half[0]), "OUT value");
        same(Integer.valueOf(105), Integer.valueOf(rest[0]), "IN/OUT value");

        TavoVariant in = new TavoVariant(42);
        TavoVariant[] copy = new TavoVariant[] {new TavoVariant()};
        TavoVariant back = l.Echo(in, copy);
        same(Integer.valueOf(42), Integer.valueOf(back.getInt()), "VARIANT result");
        same("42", copy[0].getString(), "VARIANT OUT value");
        same(Integer.valueOf(3), Integer.valueOf(copy[0].getVarType()), "VARIANT OUT type (VT_I4)");
        in.TavoRelease();
        back.TavoRelease();
        copy[0].TavoRelease();

        TavoObject first = l.First();
        IEntry firstEntry = (IEntry) first;
        same("rent", firstEntry.getLabel(), "untyped object result is an object of its interface class");

        boolean threw = false;
        TavoVariant text = new TavoVariant("not a number");
        try {
            text.getInt();
        } catch (TavoException expected) {
            threw = true;
        }
        text.TavoRelease();
        check(threw, "a text that is no number does not read as an int");

        first.TavoRelease();
        plain.TavoRelease();
        noted.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    /** A server error with its description arrives as brivel.TavoException. */
    public static void errors() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        try {
            l.Fail("Ledger is closed: ü");
            throw new AssertionError("no exception");
        } catch (TavoException expected) {
            same("Ledger is closed: ü", expected.getMessage(), "description");
        }
        l.TavoRelease();
        release(ledger);
        boolean threw = false;
        try {
            l.getTitle();
        } catch (NullPointerException expected) {
            threw = true;
        }
        check(threw, "a released object refuses calls");
    }

    /** The collection's items in order; the receiver stops the enumeration. */
    /**
     * Another bridge loaded after this one hands its own interface map to the
     * runtime: this bridge's collection still gives objects of its classes.
     */
    public static void collectionBesideAnotherBridge() throws Exception {
        Class.forName("e2e.ledger.Ledger");  // loads this bridge first
        System.loadLibrary("JOptions");
        collection();
    }

    public static void collection() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        l.Add("a", 1).TavoRelease();
        l.Add("b", 2).TavoRelease();
        l.Add("c", 3).TavoRelease();
        final List<String> labels = new ArrayList<String>();
        final List<Object> items = new ArrayList<Object>();
        l.brivelEnumerator(new TavoIterator() {
            public boolean TavoNextItem(Object item) {
                items.add(item);
                try {
                    labels.add(((IEntry) item).getLabel());
                } catch (TavoException ex) {
                    throw new RuntimeException(ex);
                }
                return true;
            }
        });
        same("[a, b, c]", labels.toString(), "all items");
        final int[] seen = new int[1];
        l.brivelEnumerator(new TavoIterator() {
            public boolean TavoNextItem(Object item) {
                items.add(item);
                return ++seen[0] < 2;
            }
        });
        same(Integer.valueOf(2), Integer.valueOf(seen[0]), "enumeration stopped by the receiver");
        for (Object item : items) ((TavoObject) item).TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    static final class Recorder extends DLedgerEvents {
        final List<String> events = new ArrayList<String>();
        final List<Thread> threads = new ArrayList<Thread>();
        boolean cancel;

        public synchronized void Changed(int what, String why) {
            events.add("Changed " + what + " " + why);
            threads.add(Thread.currentThread());
        }

        public synchronized void Closing(boolean[] cancelOut) {
            events.add("Closing " + cancelOut[0]);
            cancelOut[0] = cancel;
        }

        final List<Tally> tallies = new ArrayList<Tally>();

        public synchronized void Tallied(Tally tally) {
            tallies.add(tally);
        }

        final List<Date> stamps = new ArrayList<Date>();

        public synchronized void Stamped(Date when) {
            stamps.add(when);
        }

        final List<String> listed = new ArrayList<String>();
        int[] answer;

        public synchronized void Listed(String[] names, TavoIntArray counts) {
            listed.add(Arrays.toString(names) + " " + Arrays.toString(counts.array));
            if (answer != null) counts.array = answer;
        }

        /** What the sinks reported: "<event>: <error>". */
        final List<String> errors = new ArrayList<String>();

        @Override
        public synchronized void TavoOnEventError(String event, String error) {
            errors.add(event + ": " + error);
        }
    }

    static Date localDate(int year, int month, int day, int hour, int minute, int second) {
        Calendar c = Calendar.getInstance();
        c.clear();
        c.set(year, month - 1, day, hour, minute, second);
        return c.getTime();
    }

    /**
     * Records through the virtual table: a record without an identifier in
     * and out by pointer, as a result and as an event argument, with its
     * nested record, fixed array, string and interface; a record with an
     * identifier needs its registered type library.
     */
    public static void records() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        IEntry entry = l.Add("rent", 700);
        ITally t = ledger.getITally();
        Recorder recorder = new Recorder();
        ledger.addTavoEventListener(recorder);

        Tally tally = new Tally();
        tally.count = 1;
        tally.sum = 1.25;
        tally.Label = "Gr\u00fc\u00dfe";
        tally.getMarks()[2] = 7;
        tally.Range = new Range();
        tally.Range.low = -5;
        tally.Range.high = 5;
        tally.entry = entry;
        short[] marks = tally.getMarks();
        Range range = tally.Range;
        Tally result = t.count(tally);

        same(Integer.valueOf(2), Integer.valueOf(tally.count), "IN/OUT record: number");
        same(Double.valueOf(2.5), Double.valueOf(tally.sum), "IN/OUT record: double");
        same("Gr\u00fc\u00dfe!", tally.Label, "IN/OUT record: string replaced by the server");
        check(marks == tally.getMarks(), "IN/OUT record: fixed array filled in place");
        same("[1, 1, 8]", java.util.Arrays.toString(tally.getMarks()), "IN/OUT record: fixed array");
        check(range == tally.Range, "IN/OUT record: nested record filled in place");
        same(Integer.valueOf(15), Integer.valueOf(tally.Range.high), "IN/OUT record: nested record");
        check(tally.entry == entry, "IN/OUT record: the same interface object stays");

        same(Integer.valueOf(2), Integer.valueOf(result.count), "record result");
        same("Gr\u00fc\u00dfe!", result.Label, "record result: string");
        same(Integer.valueOf(-5), Integer.valueOf(result.Range.low), "record result: nested record");
        same("rent", result.entry.getLabel(), "record result: interface field");
        check(result.entry != entry, "record result: an interface object of its own");

        same(Integer.valueOf(1), Integer.valueOf(recorder.tallies.size()), "record event");
        Tally heard = recorder.tallies.get(0);
        same("[1, 1, 8]", java.util.Arrays.toString(heard.getMarks()), "record event: fixed array");
        same("rent", heard.entry.getLabel(), "record event: interface field");

        Tally empty = t.count(new Tally());
        same(Integer.valueOf(1), Integer.valueOf(empty.count), "empty record");
        same("!", empty.Label, "empty record: no string becomes an empty one");
        check(empty.entry == null, "empty record: no interface");

        Span span = new Span();
        span.from = 1;
        span.to = 2;
        try {
            t.Widen(span);
            check(false, "a record with an identifier has no registered type library on this build");
        } catch (TavoException expected) {
            same("Record definition not found in type library (COM error 0x8002801D)", expected.getMessage(),
                 "record with an identifier");
        }

        ledger.removeTavoEventListener(recorder);
        recorder.TavoRelease();
        heard.entry.TavoRelease();
        result.entry.TavoRelease();
        entry.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    /**
     * Events for a remote client: the Java server registers a server-side
     * sink through the coclass, and the runtime hands each event to the
     * server's forwarder, whose reply fills the OUT arguments (an IN/OUT
     * array included). Without a forwarder the events are dropped.
     */
    public static void remoteEvents() throws Exception {
        final Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        l.setTitle("open");
        java.lang.reflect.Method add = Ledger.class.getDeclaredMethod("__RemoteEventAdd", String.class);
        add.setAccessible(true);
        Object[] registration = (Object[]) add.invoke(ledger, "e2e.ledger.DLedgerEvents");
        check(registration != null, "registered");
        check(add.invoke(ledger, "e2e.ledger.Unknown") == null, "an unknown event interface is not registered");
        TavoEventListener listener = (TavoEventListener) registration[0];
        int cookie = ((Integer) registration[1]).intValue();

        final List<String> heard = new ArrayList<String>();
        l.Notify(0, "nobody listens");
        TransactEnv.setEventForwarder(new TransactEnv.EventForwarder() {
            public Object forward(Object source, String interfaceName, String eventName, Object[] args) {
                heard.add(eventName + " " + interfaceName + " " + java.util.Arrays.deepToString(args)
                          + (source == ledger ? "" : " from another object"));
                if (eventName.equals("Closing")) ((boolean[]) args[0])[0] = true;
                return null;
            }
        });
        l.Notify(1, "r\u00e9mote");
        Date landing = localDate(1969, 7, 20, 20, 17, 0);
        l.Stamp(landing);
        same("[Changed e2e.ledger.DLedgerEvents [1, r\u00e9mote], Closing e2e.ledger.DLedgerEvents [[false]], "
             + "Stamped e2e.ledger.DLedgerEvents [" + landing + "]]", heard.toString(), "forwarded events");
        same("cancelled", l.getTitle(), "the client's OUT value written back");

        // An array event: the client's reply replaces the IN/OUT array.
        final List<String> listed = new ArrayList<String>();
        TransactEnv.setEventForwarder(new TransactEnv.EventForwarder() {
            public Object forward(Object source, String interfaceName, String eventName, Object[] args) {
                if (eventName.equals("Listed")) {
                    TavoIntArray counts = (TavoIntArray) args[1];
                    listed.add(Arrays.toString((String[]) args[0]) + " " + Arrays.toString(counts.array));
                    counts.array = new int[] {40, 2};
                }
                return null;
            }
        });
        same(Integer.valueOf(42), Integer.valueOf(l.Announce(new String[] {"ab", "cde"})),
             "the client's IN/OUT array written back");
        same("[[ab, cde] [2, 3]]", listed.toString(), "forwarded array event");

        TransactEnv.setEventForwarder(null);
        java.lang.reflect.Method unadvise =
            TavoObject.class.getDeclaredMethod("__TavoUnadvise", TavoEventListener.class, int.class);
        unadvise.setAccessible(true);
        unadvise.invoke(ledger, listener, Integer.valueOf(cookie));
        listener.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    static String labels(Object[] entries) throws TavoException {
        StringBuilder text = new StringBuilder("[");
        for (int i = 0; i < entries.length; ++i) {
            if (i > 0) text.append(", ");
            text.append(entries[i] == null ? "null" : ((IEntry) entries[i]).getLabel());
        }
        return text.append("]").toString();
    }

    static void releaseAll(Object[] objects) {
        if (objects == null) return;
        for (Object o : objects) {
            if (o instanceof TavoObject) ((TavoObject) o).TavoRelease();
            else if (o instanceof TavoVariant) ((TavoVariant) o).TavoRelease();
        }
    }

    static String moods(Object[] moods) {
        StringBuilder text = new StringBuilder();
        for (Object m : moods) text.append(m == null ? "null " : ((Mood) m).getEnumeratedIntValue() + " ");
        return text.toString().trim();
    }

    /**
     * SAFEARRAYs through IDispatch: numbers, strings, VARIANTs, interfaces
     * and enumeration values by value, in IN/OUT and OUT holders, as results,
     * and in an event whose listener replaces its IN/OUT array.
     */
    public static void arraysThroughInvoke() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        IEntry rent = l.Add("rent", 700);
        IEntry tip = l.Add("tip", 5);

        double[] before = new double[] {2, -4};
        TavoDoubleArray scaled = new TavoDoubleArray(before);
        TavoStringArray labels = new TavoStringArray();
        int[] sums = l.Running(new int[] {1, 2, 3, -10}, scaled, labels);
        same("[1, 3, 6, -4]", Arrays.toString(sums), "array result");
        same("[3.0, -6.0, -4.0]", Arrays.toString(scaled.array), "IN/OUT holder gets the callee's longer array");
        same("[2.0, -4.0]", Arrays.toString(before), "the caller's own array is left as it was");
        same("[rent, tip]", Arrays.toString(labels.array), "OUT holder of strings");
        TavoDoubleArray none = new TavoDoubleArray(new double[0]);
        same("[]", Arrays.toString(l.Running(new int[0], none, labels)), "empty array result");
        same("[0.0]", Arrays.toString(none.array), "empty IN/OUT array");
        boolean threw = false;
        try {
            l.Running(null, scaled, labels);
        } catch (NullPointerException expected) {
            threw = true;
        }
        check(threw, "a null array is refused");

        TavoVariant[] values = {new TavoVariant(7), new TavoVariant("sev\u00e9n"), new TavoVariant(-1)};
        TavoVariant[] reversed = l.Reverse(values);
        same(Integer.valueOf(3), Integer.valueOf(reversed.length), "VARIANT array result");
        same(Integer.valueOf(-1), Integer.valueOf(reversed[0].getInt()), "VARIANT element 0");
        same("sev\u00e9n", reversed[1].getString(), "VARIANT element 1");
        same(Integer.valueOf(7), Integer.valueOf(reversed[2].getInt()), "VARIANT element 2");
        releaseAll(values);
        releaseAll(reversed);

        TavoComobjArray swapped = new TavoComobjArray(new TavoObject[] {rent, null, tip});
        IEntry[] all = l.entries(new IEntry[] {tip}, swapped);
        same("[rent, tip, tip]", labels(all), "interface array result");
        check(all[0] instanceof IEntry && all[0] != rent, "interface elements are objects of their own");
        same("[tip, null, rent]", labels(swapped.array), "IN/OUT interface array, null element kept");
        check(swapped.array[0] != tip, "IN/OUT interface elements are new objects");
        releaseAll(all);
        releaseAll(swapped.array);

        same("1 0", moods(l.moods(new Mood[] {Mood.Calm, Mood.Angry})), "enumeration array");
        check(l.moods(new Mood[] {Mood.Busy})[0] == Mood.Angry, "enumeration elements are the enumeration's values");

        same(Integer.valueOf(5), Integer.valueOf(l.Announce(new String[] {"ab", "cde"})), "event with no listener");
        Recorder recorder = new Recorder();
        ledger.addTavoEventListener(recorder);
        recorder.answer = new int[] {100, 20, 3};
        same(Integer.valueOf(123), Integer.valueOf(l.Announce(new String[] {"ab", "cd\u00e9"})),
             "the listener's IN/OUT array reaches the server");
        same("[[ab, cd\u00e9] [2, 3]]", recorder.listed.toString(), "array event arguments");
        ledger.removeTavoEventListener(recorder);
        recorder.TavoRelease();

        rent.TavoRelease();
        tip.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    /**
     * SAFEARRAYs through the virtual table: by value, IN/OUT and OUT holders
     * and results (in their holders) of numbers, strings, VARIANTs,
     * interfaces, enumeration values and records without an identifier.
     */
    public static void arraysThroughTheVirtualTable() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        ITally t = ledger.getITally();
        IEntry rent = l.Add("rent", 700);
        IEntry tip = l.Add("tip", 5);

        TavoStringArray names = new TavoStringArray(new String[] {"Gr\u00fc\u00dfe", "", "x"});
        TavoIntArray counts = new TavoIntArray();
        TavoVariantArray spread = t.Spread(new double[] {0.5, 1.25}, names, counts);
        same("[Gr\u00fc\u00dfe+, +, x+]", Arrays.toString(names.array), "IN/OUT string array");
        same("[5, 0, 1]", Arrays.toString(counts.array), "OUT number array");
        TavoVariant[] items = spread.array;
        same(Integer.valueOf(4), Integer.valueOf(items.length), "VARIANT array result in its holder");
        same(Integer.valueOf(2), Integer.valueOf(items[0].getInt()), "VARIANT element: number");
        same(Integer.valueOf(5), Integer.valueOf(items[1].getVarType()), "VARIANT element: double (VT_R8)");
        same(Integer.valueOf(9), Integer.valueOf(items[2].getVarType()), "VARIANT element: interface (VT_DISPATCH)");
        same("Gr\u00fc\u00dfex", items[3].getString(), "VARIANT element: string");
        releaseAll(items);

        TavoEnumArray next = new TavoEnumArray();
        TavoComobjArray kept = t.Gather(new IEntry[] {tip, rent, null}, new Mood[] {Mood.Busy, Mood.Angry}, next);
        same("[rent]", labels(kept.array), "interface array result in its holder");
        check(kept.array[0] instanceof IEntry && kept.array[0] != rent, "interface element is an object of its own");
        same("2 0", moods(next.array), "OUT enumeration array");
        releaseAll(kept.array);

        TavoRecordArray ranges = t.Ranges(3);
        same(Integer.valueOf(3), Integer.valueOf(ranges.array.length), "record array result in its holder");
        StringBuilder text = new StringBuilder();
        for (Object r : ranges.array) text.append(((Range) r).low).append("..").append(((Range) r).high).append(' ');
        same("0..0 -1..10 -2..20", text.toString().trim(), "records of the array");
        same(Integer.valueOf(0), Integer.valueOf(t.Ranges(0).array.length), "empty record array");
        try {
            t.Fit(new Range[] {new Range()});
            check(false, "an array of records without an identifier cannot be sent");
        } catch (TavoException expected) {
            same("Unsupported record type", expected.getMessage(), "array of records without an identifier");
        }

        rent.TavoRelease();
        tip.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    /** Dates as property, argument, OUT value and event argument. */
    public static void dates() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        same(localDate(1899, 12, 30, 0, 0, 0), l.getOpened(), "day zero of the COM calendar");
        Date opened = localDate(2024, 2, 29, 13, 45, 30);
        l.setOpened(opened);
        same(opened, l.getOpened(), "date property after put");
        Date[] after = new Date[1];
        l.AddDays(opened, 1, after);
        same(localDate(2024, 3, 1, 13, 45, 30), after[0], "date OUT value");
        Recorder recorder = new Recorder();
        ledger.addTavoEventListener(recorder);
        l.Stamp(localDate(1969, 7, 20, 20, 17, 0));
        same("[" + localDate(1969, 7, 20, 20, 17, 0) + "]", recorder.stamps.toString(), "date event argument");
        boolean threw = false;
        try {
            l.setOpened(null);
        } catch (NullPointerException expected) {
            threw = true;
        }
        check(threw, "a null date is refused");
        ledger.removeTavoEventListener(recorder);
        recorder.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    /** Events from the calling thread and from another, OUT values written back, removal. */
    public static void events() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        l.setTitle("open");
        Recorder recorder = new Recorder();
        ledger.addTavoEventListener(recorder);
        l.Notify(1, "same thread");
        same("open", l.getTitle(), "not cancelled");
        recorder.cancel = true;
        l.NotifyFromThread(2, "other thread");
        same("cancelled", l.getTitle(), "cancelled through the OUT argument");
        same("[Changed 1 same thread, Closing false, Changed 2 other thread, Closing false]",
             recorder.events.toString(), "events received");
        check(recorder.threads.get(0) == Thread.currentThread(), "first event on the calling thread");
        check(recorder.threads.get(1) != Thread.currentThread(), "second event on another thread");
        ledger.removeTavoEventListener(recorder);
        l.Notify(3, "after removal");
        same(Integer.valueOf(4), Integer.valueOf(recorder.events.size()), "no events after removal");
        recorder.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    /**
     * Object arguments: the ledger server keeps each ledger's IUnknown apart
     * from its IDispatch, and the callee calls the object it receives
     * through IDispatch; a coclass object holds its IUnknown.
     */
    public static void objectArguments() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        Ledger other = new Ledger();
        ILedger o = other.getILedger();
        o.setTitle("other");
        same("other", l.TitleOf(other), "the title through the coclass object");
        same("other", l.TitleOf(o), "the title through the interface object");
        o.TavoRelease();
        release(other);
        l.TavoRelease();
        release(ledger);
    }

    /**
     * An object argument through the virtual table: the callee calls the
     * interface it declares (a coclass's default interface, ILedger) as it
     * receives it, and the ledger's IUnknown, which a coclass object holds,
     * refuses every call.
     */
    public static void objectArgumentsThroughTheVirtualTable() throws Exception {
        Ledger ledger = new Ledger();
        ITally t = ledger.getITally();
        Ledger other = new Ledger();
        ILedger o = other.getILedger();
        o.setTitle("other");
        same("other", t.LedgerTitle(other), "the title through the coclass object");
        o.setTitle("renamed");
        same("renamed", t.LedgerTitle(other), "the title asked again (the reference was released)");
        o.TavoRelease();
        release(other);
        ledger.getILedger().TavoRelease();
        release(ledger);
    }

    static final int VT_NULL = 1, VT_I2 = 2, VT_I4 = 3, VT_R8 = 5, VT_BSTR = 8;

    /** Fires an event at the ledger's sinks with two arguments of the given types; answers the sink's answer. */
    static String fire(ILedger l, int event, int count, Object first, int firstType, Object second, int secondType)
        throws TavoException {
        TavoVariant a = first instanceof String ? new TavoVariant((String) first) : new TavoVariant(((Integer) first).intValue());
        TavoVariant b = second instanceof String ? new TavoVariant((String) second) : new TavoVariant(((Integer) second).intValue());
        try {
            return l.FireAny(event, count, a, firstType, b, secondType);
        } finally {
            a.TavoRelease();
            b.TavoRelease();
        }
    }

    /**
     * Event arguments of another type than the event declares: converted to
     * the declared type, or refused with DISP_E_TYPEMISMATCH and the
     * argument's index (DISPPARAMS order, last first) without a call, the
     * listener told through TavoOnEventError. A VT_NULL string or date is an
     * absent one (a null string, the zero date).
     */
    public static void eventArgumentTypes() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        Recorder recorder = new Recorder();
        ledger.addTavoEventListener(recorder);
        String ok = "0x00000000 -1";
        same(ok, fire(l, 1, 2, -5, VT_I2, 7, VT_I4), "a short for a long, a number for a string");
        same(ok, fire(l, 1, 2, "12", VT_BSTR, -3, VT_I2), "a text for a long");
        same("0x80020005 1", fire(l, 1, 2, "many", VT_BSTR, "x", VT_BSTR), "a text that is no number for a long");
        same(ok, fire(l, 1, 2, 9, VT_I4, 0, VT_NULL), "no string");
        same("[Changed -5 7, Changed 12 -3, Changed 9 null]", recorder.events.toString(), "the events received");
        same(ok, fire(l, 3, 1, "25569.5", VT_R8, 0, 0), "a number for a date");
        same("0x80020005 0", fire(l, 3, 1, "no date", VT_BSTR, 0, 0), "a text that is no date");
        same(ok, fire(l, 3, 1, 0, VT_NULL, 0, 0), "no date");
        same("[" + localDate(1970, 1, 1, 12, 0, 0) + ", " + localDate(1899, 12, 30, 0, 0, 0) + "]",
             recorder.stamps.toString(), "the dates received");
        same("[Changed: Argument type mismatch, Stamped: Argument type mismatch]", recorder.errors.toString(),
             "what the listener was told of the refusals");
        ledger.removeTavoEventListener(recorder);
        recorder.TavoRelease();
        l.TavoRelease();
        release(ledger);
    }

    /**
     * A remote client's sink that the ledger refuses: the registration fails
     * and the sink, which holds the ledger's Java object, is gone with it.
     */
    public static void refusedRemoteEvents() throws Exception {
        Ledger ledger = new Ledger();
        ILedger l = ledger.getILedger();
        l.setRefuseSinks(true);
        java.lang.reflect.Method add = Ledger.class.getDeclaredMethod("__RemoteEventAdd", String.class);
        add.setAccessible(true);
        try {
            add.invoke(ledger, "e2e.ledger.DLedgerEvents");
            throw new AssertionError("a sink registered although the ledger refuses them");
        } catch (java.lang.reflect.InvocationTargetException e) {
            check(e.getCause() instanceof TavoException, "the refusal arrives as TavoException: " + e.getCause());
        }
        l.TavoRelease();
        release(ledger);
        java.lang.ref.WeakReference<Ledger> weak = new java.lang.ref.WeakReference<Ledger>(ledger);
        ledger = null;
        l = null;
        for (int round = 0; round < 50 && weak.get() != null; ++round) {
            System.gc();
            Thread.sleep(20);
        }
        check(weak.get() == null, "the refused sink let go of the ledger");
    }
}
