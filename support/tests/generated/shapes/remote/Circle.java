package shapes.remote;

/** A circle */
public class Circle extends brivel.TavoObject {

	/** Retrieve the COM Interface "IShape" */
	public IShape getIShape() throws brivel.TavoException {
		return _intfIShape;
	}

	public Circle() throws brivel.TavoException
	{
		this( false, false );
	}

	public Circle( boolean find, boolean createAsServer ) throws brivel.TavoException
	{
		super();
		brivel.TavoObject[] intfs = new brivel.TavoObject[1];
		brivel.server.TransactConstructor ctrObj = __TavoConstruct( find, 1, new String[]{
				"getIShape"
			}, intfs );
		brivel.server.RemoteException ex = ctrObj.getException();
		if ( ex != null ) {
			if ( ex.isRuntimeException()) throw ex.runtimeException();
			throw ex.getException();
		}
		_intfIShape = (IShape) intfs[0];
	}

	public Circle( brivel.TavoClientObjMap remoteOnly )
	{
		super( remoteOnly );
	}

	IShape _intfIShape;

}

