package matrix.test;

import brivel.TavoException;
import brivel.TavoObject;
import brivel.TavoVariant;
import matrix.shapes.IMatrixControl;
import matrix.shapes.IToken;

import java.util.ArrayList;
import java.util.List;

/**
 * Runs the cells of one program of the matrix. A cell passes when its body
 * returns, the server has no complaint and the server's count of references
 * handed out is what it was before; whatever the cell's body made or was
 * given is released after it.
 */
public final class Cells {
    /** The body of a cell. */
    public interface Body {
        void run() throws Exception;
    }

    private final String program;
    private final IMatrixControl control;
    private final List<Object> owned = new ArrayList<>();
    private final List<String> failures = new ArrayList<>();
    private int passed;
    /** The cells that threw only because their build lacks what the shape needs, by reason. */
    private final java.util.Map<String, Integer> beforeCom = new java.util.TreeMap<>();
    /** BRIVEL_MATRIX_TRACE set: each cell's name is printed before it runs (to find one that ends the process). */
    private static final boolean TRACE = System.getenv("BRIVEL_MATRIX_TRACE") != null;

    /** What the listener of an event cell found wrong (null: nothing). */
    String listenerComplaint;
    /** The listener method that an event cell reached. */
    String heard;
    /** What the sink reported to the listener (TavoOnEventError, TavoOnEventException). */
    private final List<String> sinkErrors = new ArrayList<>();
    private Throwable sinkException;

    public Cells(String program, IMatrixControl control) {
        this.program = program;
        this.control = control;
    }

    /** Runs a cell; a failure is kept with the cell's name. */
    public void run(String cell, Body body) {
        if (TRACE) {
            System.err.println("cell " + cell);
            System.err.flush();
        }
        record(cell, attempt(body));
    }

    private void record(String cell, String failure) {
        if (failure == null) {
            passed++;
        } else {
            failures.add(cell + ": " + failure);
        }
    }

    /** Runs a cell that must end in brivel.TavoException with exactly this message. */
    public void runThrows(String cell, String message, Body body) {
        run(cell, () -> {
            try {
                body.run();
            } catch (TavoException e) {
                if (message.equals(e.getMessage())) return;
                throw new AssertionError("expected brivel.TavoException \"" + message + "\", got \"" + e.getMessage() + "\"");
            }
            throw new AssertionError("expected brivel.TavoException \"" + message + "\", nothing was thrown");
        });
    }

    /**
     * Runs a cell that must throw brivel.TavoException with exactly this
     * message only because its build lacks what the shape needs (`why`); the
     * report counts these apart.
     */
    public void runThrowsOnThisBuild(String cell, String message, String why, Body body) {
        int before = passed;
        runThrows(cell, message, body);
        if (passed > before) beforeCom.merge(why, 1, Integer::sum);
    }

    /** A cell whose shape the table expects to run, but whose generated method differs. */
    public void mismatch(String cell, String generated, String expected) {
        record(cell, "the generated method is " + generated + ", the table expects " + expected);
    }

    private String attempt(Body body) {
        int before;
        try {
            before = control.Balance();
        } catch (Throwable t) {
            return "the control interface failed: " + t;
        }
        listenerComplaint = null;
        heard = null;
        sinkErrors.clear();
        sinkException = null;
        String failure = null;
        try {
            body.run();
        } catch (Throwable t) {
            failure = t instanceof AssertionError ? t.getMessage() : t.toString();
        }
        releaseOwned();
        try {
            String problem = control.Problem();
            if (problem != null && !problem.isEmpty() && failure == null) failure = "the server complained: " + problem;
            else if (problem != null && !problem.isEmpty()) failure += " (server: " + problem + ")";
            int after = control.Balance();
            if (after != before && failure == null)
                failure = "references handed out: " + before + " before, " + after + " after";
        } catch (Throwable t) {
            if (failure == null) failure = "the control interface failed afterwards: " + t;
        }
        return failure;
    }

    /** Fails the cell unless the condition holds. */
    public static void expect(boolean condition, String what, String actual) {
        if (!condition) throw new AssertionError(what + " was " + actual);
    }

    /** Releases the value (an object, a VARIANT holder, or an array of them) after the cell. */
    public <T> T own(T value) {
        if (value != null) owned.add(value);
        return value;
    }

    private void releaseOwned() {
        for (Object value : owned) release(value);
        owned.clear();
    }

    static void release(Object value) {
        if (value instanceof TavoObject) {
            ((TavoObject) value).TavoRelease();
        } else if (value instanceof TavoVariant) {
            ((TavoVariant) value).TavoRelease();
        } else if (value instanceof Object[]) {
            for (Object element : (Object[]) value) release(element);
        } else if (value instanceof brivel.out.TavoComobjArray) {
            release(((brivel.out.TavoComobjArray) value).array);
        } else if (value instanceof brivel.out.TavoVariantArray) {
            release(((brivel.out.TavoVariantArray) value).array);
        }
    }

    /** A token of the server, released after the cell. */
    public IToken token(int id) throws TavoException {
        return own(control.MakeToken(id));
    }

    /** An object of the server whose IUnknown is apart from its IDispatch, released after the cell. */
    public TavoObject loose(int id) throws TavoException {
        return own(control.MakeLoose(id));
    }

    public TavoVariant variant(int value) {
        return own(new TavoVariant(value));
    }

    public TavoVariant variant(String value) {
        return own(new TavoVariant(value));
    }

    /** The object is the server's token of that number. */
    public boolean isToken(TavoObject object, int id) throws TavoException {
        if (object == null) return false;
        IToken token = IToken._brivelCoerceObject(object);
        try {
            return token.getId() == id;
        } finally {
            token.TavoRelease();
        }
    }

    public String showToken(TavoObject object) {
        if (object == null) return "null";
        try {
            IToken token = IToken._brivelCoerceObject(object);
            try {
                return "token " + token.getId();
            } finally {
                token.TavoRelease();
            }
        } catch (Throwable t) {
            return "an object that is no token (" + t + ")";
        }
    }

    // ---- events

    /** The listener of an event cell reached its method; `complaint` is null when its arguments were right. */
    public void heard(String event, String complaint) {
        heard = event;
        if (complaint != null && listenerComplaint == null) listenerComplaint = complaint;
    }

    /** The sink told the listener of an error or of an exception. */
    public void sinkReported(String event, String error, Throwable thrown) {
        if (error != null) sinkErrors.add(event + ": " + error);
        if (thrown != null && sinkException == null) sinkException = thrown;
    }

    /**
     * Fires an event and checks that its listener was reached and found its
     * arguments right. An exception the sink handed the listener (a value it
     * could not send back) is thrown here, as a call would throw it.
     */
    public void fire(String event, boolean throughVtable) throws TavoException {
        control.Fire(event, throughVtable);
        if (!sinkErrors.isEmpty()) throw new AssertionError("the listener was told: " + String.join("; ", sinkErrors));
        if (!event.equals(heard)) throw new AssertionError("the listener was not reached (" + heard + ")");
        if (listenerComplaint != null) throw new AssertionError("the listener found " + listenerComplaint);
        if (sinkException instanceof TavoException) throw (TavoException) sinkException;
        if (sinkException != null) throw new AssertionError("the sink reported " + sinkException);
    }

    /**
     * Fires an event into the sink's IDispatch::Invoke without its argument
     * and, where the sink types it (`typed`), with one of another type: the
     * server checks that the sink refused both, and the listener must hear of
     * each refusal and of nothing else.
     */
    public void fireRefused(String event, boolean throughVtable, boolean typed) throws TavoException {
        control.FireRefused(event, throughVtable);
        if (heard != null) throw new AssertionError("the listener's " + heard + " was reached");
        String expected = event + ": Argument count mismatch" + (typed ? "; " + event + ": Argument type mismatch" : "");
        String told = String.join("; ", sinkErrors);
        if (!expected.equals(told)) throw new AssertionError("the listener was told \"" + told + "\", not \"" + expected + "\"");
        if (sinkException != null) throw new AssertionError("the sink reported " + sinkException);
    }

    // ---- the report

    /**
     * "<program>: <n> cells, <p> passed, <m> failed", the passed cells that
     * threw only for want of what their build lacks ("(<k> of them threw
     * because <why>)"), then one line per failed cell ("FAIL <cell>: <why>").
     */
    public String report() {
        StringBuilder text = new StringBuilder(program + ": " + (passed + failures.size()) + " cells, " + passed
                + " passed, " + failures.size() + " failed");
        for (java.util.Map.Entry<String, Integer> entry : beforeCom.entrySet())
            text.append(" (").append(entry.getValue()).append(" of them threw because ").append(entry.getKey()).append(")");
        for (String failure : failures) text.append("\nFAIL ").append(failure);
        return text.toString();
    }

    /** The cells that failed ("<cell>: <why>"). */
    public List<String> failures() {
        return failures;
    }
}
