package brivel.server;

/** The failure of a remote call, carried back to the client. */
public class RemoteException implements java.io.Serializable {
    private static final long serialVersionUID = 1L;

    private final Throwable failure;

    public RemoteException(Throwable failure) {
        this.failure = failure;
    }

    /** True when the remote call failed with an unchecked exception. */
    public boolean isRuntimeException() {
        return failure instanceof RuntimeException;
    }

    public RuntimeException runtimeException() {
        return failure instanceof RuntimeException ? (RuntimeException) failure : new RuntimeException(String.valueOf(failure));
    }

    /** The failure as the exception the generated classes declare. */
    public brivel.TavoException getException() {
        if (failure instanceof brivel.TavoException) return (brivel.TavoException) failure;
        brivel.TavoException ex = new brivel.TavoException(String.valueOf(failure));
        ex.initCause(failure);
        return ex;
    }
}
