package brivel.server;

/** The result of one remote method call: a value, OUT values, or a failure. */
public class TransactInvoke implements java.io.Serializable {
    private static final long serialVersionUID = 1L;

    private Object result;
    private Object[] outValues;
    private RemoteException exception;

    public TransactInvoke() {
    }

    /** Calls a method of a remote object through the client's connection. */
    public static TransactInvoke call(brivel.TavoClientObjMap connection, brivel.TavoObject target, String method,
                                      Class<?>[] types, Object[] args, boolean[] out) {
        TransactInvoke reply = new TransactInvoke();
        reply.exception = new RemoteException(new brivel.TavoException("No remote connection for " + method));
        return reply;
    }

    public RemoteException getException() {
        return exception;
    }

    /** OUT values already handed back by copyOut. */
    private int outCopied;

    /**
     * Copies the next OUT value back into the caller's holder: generated code
     * calls this once per OUT parameter, in parameter order, so two OUT
     * parameters of one type each get their own value.
     */
    public void copyOut(Object holder) {
        if (outValues == null || outCopied >= outValues.length) return;
        Object value = outValues[outCopied++];
        if (holder == null || value == null || value.getClass() != holder.getClass()) return;
        System.arraycopy(value, 0, holder, 0, Math.min(java.lang.reflect.Array.getLength(value),
                                                      java.lang.reflect.Array.getLength(holder)));
    }

    public Object getObject(Object unused) {
        return result;
    }

    public byte getByte() { return result == null ? 0 : ((Number) result).byteValue(); }
    public short getShort() { return result == null ? 0 : ((Number) result).shortValue(); }
    public int getInt() { return result == null ? 0 : ((Number) result).intValue(); }
    public long getLong() { return result == null ? 0 : ((Number) result).longValue(); }
    public float getFloat() { return result == null ? 0 : ((Number) result).floatValue(); }
    public double getDouble() { return result == null ? 0 : ((Number) result).doubleValue(); }
    public boolean getBoolean() { return result != null && ((Boolean) result).booleanValue(); }
    public String getString() { return (String) result; }
}
